#include "ui/frm_splash.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <exception>
#include <utility>

#include "ui/appearance.h"
#include "ui/form1.h"

namespace rigscope {

frmSplash::frmSplash(FormFactory makeForm, std::chrono::milliseconds interval, QWidget* parent)
    // A splash window has no title bar and no task bar entry; the raised
    // panel below is its fixed border.
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint), makeForm_(std::move(makeForm)) {
  setObjectName(QStringLiteral("frmSplash"));
  // Closing the splash before the scan, with no other window open, ends the program.
  setAttribute(Qt::WA_QuitOnClose, true);
  setAttribute(Qt::WA_DeleteOnClose, true);
  setWindowIcon(appIcon());
  setFont(windowFont());
  setFrameStyle(QFrame::WinPanel | QFrame::Raised);
  setFocusPolicy(Qt::StrongFocus);

  const int border = frameWidth();
  setFixedSize(twipsSize(3627, 1170) + QSize(2 * border, 2 * border));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  Label1 = new QLabel(QStringLiteral("Rigscope"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(fontOf(QStringLiteral("MS Sans Serif"), 17.66, QFont::Normal));
  Label1->setGeometry(fittedAboutCentre(Label1, twipsRect(960, 120, 1335, 495).translated(border, border)));
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, valueColour());
  Label1->setPalette(blue);

  Label2 = new QLabel(QStringLiteral("Scanning Please Wait......"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(fontOf(QStringLiteral("Times New Roman"), 15.63, QFont::Normal));
  Label2->setGeometry(fittedAboutCentre(Label2, twipsRect(240, 720, 3135, 375).translated(border, border)));

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(interval);
  connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  // Counting starts when the splash appears, so it shows for a full interval.
  if (!form_ && !Timer1->isActive()) Timer1->start();
}

void frmSplash::closeEvent(QCloseEvent* event) {
  Timer1->stop();
  QFrame::closeEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

void frmSplash::Timer1_Timer() {
  // The scan holds up the event loop until it ends: start it only once the
  // splash has really been drawn on screen.
  if (windowHandle() == nullptr || !windowHandle()->isExposed()) return;
  // Exactly one scan, however long it takes and whatever it shows meanwhile.
  Timer1->stop();

  if (!form_) form_ = makeForm_();
  QString status;
  try {
    status = form_->getRigscope();
  } catch (const std::exception& failure) {
    failScan(QString::fromUtf8(failure.what()));
    return;
  }
  if (status == QLatin1String("Success")) {
    close();
    form_->show();
    form_->activateWindow();
  }
}

void frmSplash::failScan(const QString& message) {
  delete form_;
  hide();
  QMessageBox box(QMessageBox::Critical, appTitle, message, QMessageBox::Ok);
  box.setObjectName(QStringLiteral("scanFailure"));
  box.setWindowIcon(appIcon());
  box.exec();
  QCoreApplication::exit(1);
  deleteLater();
}

}  // namespace rigscope
