#pragma once

#include <QFrame>
#include <QPointer>
#include <chrono>
#include <functional>

class QLabel;
class QTimer;

namespace rigscope {

class Form1;

// The scanning splash. Once it is on screen, its timer creates the main
// window and runs the one scan of the run through it; on success the splash
// closes and the filled main window opens. A key press closes the splash.
class frmSplash final : public QFrame {
  Q_OBJECT

 public:
  // Makes the main window, not yet shown; called at most once.
  using FormFactory = std::function<Form1*()>;

  explicit frmSplash(FormFactory makeForm, std::chrono::milliseconds interval = std::chrono::milliseconds(10),
                     QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Timer1_Timer();
  // Reports a failed scan and ends the program with status 1.
  void failScan(const QString& message);

  FormFactory makeForm_;
  QPointer<Form1> form_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace rigscope
