#pragma once

#include <QWidget>
#include <functional>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace rigscope {

class frmSplash;

// The start-up disclaimer. OK shows the scanning splash, then closes this
// window; Cancel ends the program at once. Neither button reacts to Enter or
// Esc: the user has to choose.
class Dialog final : public QWidget {
  Q_OBJECT

 public:
  // Makes the splash that OK shows; called at most once.
  using SplashFactory = std::function<frmSplash*()>;

  explicit Dialog(SplashFactory makeSplash, QWidget* parent = nullptr);

  // The four paragraphs, an empty line between each two, CRLF line ends and
  // no line end after the last.
  [[nodiscard]] static QString disclaimer();

 signals:
  // Once, after the disclaimer has first been drawn: the program may use the
  // time the user spends reading.
  void onScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void acceptDisclaimer();
  void declineDisclaimer();

  SplashFactory makeSplash_;
  bool drawn_ = false;
  QGroupBox* Frame1 = nullptr;
  QPlainTextEdit* Text1 = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
};

}  // namespace rigscope
