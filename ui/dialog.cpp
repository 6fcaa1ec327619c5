#include "ui/dialog.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <utility>

#include "ui/appearance.h"
#include "ui/frm_splash.h"

namespace rigscope {

Dialog::Dialog(SplashFactory makeSplash, QWidget* parent)
    // A tool window: a title bar with a close button only, and no task bar entry.
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      makeSplash_(std::move(makeSplash)) {
  setObjectName(QStringLiteral("Dialog"));
  // Closing the disclaimer with no other window open ends the program.
  setAttribute(Qt::WA_QuitOnClose, true);
  setAttribute(Qt::WA_DeleteOnClose, true);
  setWindowTitle(appTitle);
  setWindowIcon(appIcon());
  setFont(windowFont());
  setGeometry(twipsRect(5031, 2119, 6149, 4823));
  setFixedSize(size());

  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(twipsRect(0, 0, 6135, 4815));

  Text1 = new QPlainTextEdit(Frame1);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(twipsRect(120, 240, 5895, 3975));
  Text1->setReadOnly(true);
  Text1->setTabChangesFocus(true);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setPlainText(disclaimer());

  OKButton = new QPushButton(QStringLiteral("OK"), Frame1);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(twipsRect(1920, 4320, 1215, 375));

  CancelButton = new QPushButton(QStringLiteral("Cancel"), Frame1);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(twipsRect(3240, 4320, 1215, 375));

  for (QPushButton* button : {OKButton, CancelButton}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  setTabOrder(Text1, CancelButton);
  setTabOrder(CancelButton, OKButton);
  Text1->setFocus();

  connect(OKButton, &QPushButton::clicked, this, &Dialog::acceptDisclaimer);
  connect(CancelButton, &QPushButton::clicked, this, &Dialog::declineDisclaimer);
}

QString Dialog::disclaimer() {
  return QStringList{
      QStringLiteral("Please read the following carefully before using the Probewell Tool."),
      QStringLiteral("The Probewell Tool scanner DOES NOT collect any personal data stored on your computer.  Only  "
                     "system information is captured during this one time scan. NO personal data is transmitted. To "
                     "run the scanner just click the OK button. The scanner results are to help you find the memory "
                     "type only and  does not guarantee compatibility results."),
      QStringLiteral("Please verify with your computer's manual to confirm that the memory you purchase is the "
                     "correct memory for your system. Our website provides the following tools to help you to find "
                     "the compatible memory: Probewell tool, Slotfinder help tool, and Parleyroom."),
      QStringLiteral("If you need any help before buying memory, you can use our live customer support chat to talk to "
                     "one of our representatives and we will be glad to help you find the compatible memory."),
  }.join(QStringLiteral("\r\n\r\n"));
}

void Dialog::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (drawn_) return;
  drawn_ = true;
  // Queued, so that the first picture reaches the screen first.
  QMetaObject::invokeMethod(this, &Dialog::onScreen, Qt::QueuedConnection);
}

void Dialog::acceptDisclaimer() {
  // The splash is up before the disclaimer goes, so a window is always open.
  frmSplash* splash = makeSplash_();
  splash->show();
  splash->raise();
  splash->activateWindow();
  close();
}

void Dialog::declineDisclaimer() { QCoreApplication::exit(0); }

}  // namespace rigscope
