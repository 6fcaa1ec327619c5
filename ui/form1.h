#pragma once

#include <QString>
#include <QWidget>

#include "ui/chat_launcher.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace inventory {
class InventorySource;
}

namespace rigscope {

class ClickLabel;

// The main window: the scan's values in five frames, the installed modules,
// the vendor's lookup page for this machine, the clipboard copy of the
// report and the support-chat link. Every text it shows comes from the scan.
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  // `source` must outlive the window; `vendorHost` may carry a port.
  Form1(inventory::InventorySource& source, QString vendorHost, ChatLauncher chatLauncher = ChatLauncher(),
        QWidget* parent = nullptr);
  ~Form1() override;

  // Scans once and fills the window: the lists, the value labels, the report
  // and the browser pane, which starts loading the lookup page. Returns
  // "Success"; a failed scan throws the core's InventoryError and changes nothing.
  QString getRigscope();

  // The report of the last scan, empty before any scan.
  [[nodiscard]] const QString& systemReport() const { return systemReport_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFrames();
  void setTabOrder();
  void copySystemInfo();
  void startChat();
  // Selects `row` in the other two lists, leaving alone a list already there.
  void followSelection(QListWidget* clicked);

  inventory::InventorySource& source_;
  QString vendorHost_;
  ChatLauncher chatLauncher_;
  QString systemReport_;

  QLabel* Label21 = nullptr;
  QLabel* Label22 = nullptr;
  QLabel* Label24 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label27 = nullptr;
  QLabel* Label28 = nullptr;
  QLabel* Label41 = nullptr;
  QLabel* Label29 = nullptr;
  QLabel* Label30 = nullptr;
  QLabel* Label31 = nullptr;
  QLabel* Label32 = nullptr;
  QLabel* Label33 = nullptr;
  QLabel* Label34 = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* Label36 = nullptr;
  QLabel* Label37 = nullptr;
  QListWidget* slotsLst = nullptr;
  QListWidget* memoryLst = nullptr;
  QListWidget* speedLst = nullptr;
  ClickLabel* Image1 = nullptr;
  ClickLabel* Label39 = nullptr;
  QPushButton* clipboardCmd = nullptr;
  QWidget* WB = nullptr;  // a QWebEngineView from the browser pane's module
};

}  // namespace rigscope
