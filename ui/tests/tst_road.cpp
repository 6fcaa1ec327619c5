// The road of a run, each case inside the application's own event loop:
// disclaimer, splash, one scan, main window, and how the program ends.

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>
#include <chrono>
#include <functional>

#include "inventory/error.h"
#include "inventory/scan.h"
#include "machine.h"
#include "test_support.h"
#include "ui/dialog.h"
#include "ui/form1.h"
#include "ui/frm_splash.h"

using namespace std::chrono_literals;

namespace {

const QString closedHost = QStringLiteral("127.0.0.1:9");

// Calls back on each event of one kind that reaches a watched object.
class EventWatch final : public QObject {
 public:
  EventWatch(QObject* watched, QEvent::Type type, std::function<void()> onEvent)
      : QObject(watched), type_(type), onEvent_(std::move(onEvent)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) onEvent_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> onEvent_;
};

// Runs the application's event loop as main() does; a stuck road ends with 99.
int runApplication() {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  watchdog.start(30s);
  return QApplication::exec();
}

void clickButton(QWidget* window, const char* name) {
  QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

}  // namespace

class RoadTest : public QObject {
  Q_OBJECT

 private slots:
  void cancelOrClosingEndsTheProgram_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("window closed") << false;
  }

  void cancelOrClosingEndsTheProgram() {
    QFETCH(bool, cancel);
    int splashesMade = 0;
    QPointer<rigscope::Dialog> dialog = new rigscope::Dialog([&]() -> rigscope::frmSplash* {
      ++splashesMade;
      return nullptr;
    });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTimer::singleShot(0, dialog, [&] {
      if (cancel) {
        clickButton(dialog, "CancelButton");
      } else {
        dialog->close();
      }
    });

    QCOMPARE(runApplication(), 0);
    QCOMPARE(splashesMade, 0);  // so no main window either
    delete dialog.data();
  }

  void okShowsTheSplashBeforeTheDisclaimerCloses() {
    int formsMade = 0;
    QPointer<rigscope::frmSplash> splash;
    QPointer<rigscope::Dialog> dialog = new rigscope::Dialog([&] {
      splash = new rigscope::frmSplash(
          [&]() -> rigscope::Form1* {
            ++formsMade;
            return nullptr;
          },
          1h);
      return splash.data();
    });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    bool splashShownAtClose = false;
    new EventWatch(dialog, QEvent::Close, [&] { splashShownAtClose = splash && splash->isVisible(); });

    clickButton(dialog, "OKButton");

    QVERIFY(splashShownAtClose);
    QTRY_VERIFY(dialog.isNull());  // released once closed
    QVERIFY(splash->isVisible());
    QCOMPARE(formsMade, 0);
    delete splash.data();
  }

  // From OK to the filled main window and, when it closes, the end of the
  // program; a slow scan still runs exactly once.
  void theRoadToTheFilledWindow_data() {
    QTest::addColumn<int>("queryDelay");
    QTest::newRow("quick scan") << 0;
    QTest::newRow("slow scan") << 40;
  }

  void theRoadToTheFilledWindow() {
    QFETCH(int, queryDelay);
    auto source = rigscope::testing::scriptedMachine();
    source.delayQueries(queryDelay);

    QPointer<rigscope::frmSplash> splash;
    QPointer<rigscope::Form1> form;
    QElapsedTimer splashShown;
    bool timerStoppedAtScan = false;
    bool splashOnScreenAtScan = false;
    qint64 splashShownBeforeScanMs = -1;
    rigscope::testing::SpySource spy(source, [&] {
      timerStoppedAtScan = !splash->findChild<QTimer*>("Timer1")->isActive();
      splashOnScreenAtScan = splash->windowHandle() != nullptr && splash->windowHandle()->isExposed();
      splashShownBeforeScanMs = splashShown.elapsed();
    });

    struct AtShow {
      bool seen = false;
      bool splashGone = false;
      QString maker, slotSummary;
      int modules = 0;
      QUrl requested;
    } atShow;
    bool closedByTest = false;

    QPointer<rigscope::Dialog> dialog = new rigscope::Dialog([&] {
      splash = new rigscope::frmSplash([&] {
        form = new rigscope::Form1(spy, closedHost);
        new EventWatch(form, QEvent::Show, [&] {
          atShow.seen = true;
          atShow.splashGone = splash.isNull() || !splash->isVisible();
          atShow.maker = form->findChild<QLabel*>("Label21")->text();
          atShow.slotSummary = form->findChild<QLabel*>("Label37")->text();
          atShow.modules = form->findChild<QListWidget*>("slotsLst")->count();
          atShow.requested = form->findChild<QWebEngineView*>("WB")->page()->requestedUrl();
          QTimer::singleShot(0, form, [&] {
            closedByTest = true;
            form->close();
          });
        });
        return form.data();
      });
      new EventWatch(splash, QEvent::Show, [&] { splashShown.start(); });
      return splash.data();
    });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTimer::singleShot(0, dialog, [&] { clickButton(dialog, "OKButton"); });

    QCOMPARE(runApplication(), 0);
    // Closing the main window ended the program; nothing ended it earlier.
    QVERIFY(closedByTest);
    QCOMPARE(spy.connects, 1);
    QVERIFY(timerStoppedAtScan);
    QVERIFY(splashOnScreenAtScan);
    QVERIFY2(splashShownBeforeScanMs >= 10, qPrintable(QString::number(splashShownBeforeScanMs)));

    QVERIFY(atShow.seen);
    QVERIFY(atShow.splashGone);
    QCOMPARE(atShow.maker, QStringLiteral("Acme <b>Works</b>"));
    QCOMPARE(atShow.slotSummary, QStringLiteral("4  (Currently Memory in 2 Slots)"));
    QCOMPARE(atShow.modules, 2);
    QCOMPARE(atShow.requested.path(), QStringLiteral("/mc/rigscope.asp"));

    QTRY_VERIFY(form.isNull() && splash.isNull() && dialog.isNull());
  }

  void aKeyClosesTheSplashAndEndsTheProgram() {
    int formsMade = 0;
    QPointer<rigscope::frmSplash> splash = new rigscope::frmSplash(
        [&]() -> rigscope::Form1* {
          ++formsMade;
          return nullptr;
        },
        1h);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTimer::singleShot(0, splash, [&] { QTest::keyClick(splash, Qt::Key_Space); });

    QCOMPARE(runApplication(), 0);
    QCOMPARE(formsMade, 0);
    QTRY_VERIFY(splash.isNull());
  }

  void aFailedScanIsReportedAndEndsWithStatusOne() {
    auto source = rigscope::testing::scriptedMachine();
    source.failQuery("Win32_Processor", "the processor query was refused");
    std::string expectedMessage;
    try {
      auto again = rigscope::testing::scriptedMachine();
      again.failQuery("Win32_Processor", "the processor query was refused");
      (void)inventory::runScan(again, closedHost.toStdString());
    } catch (const inventory::InventoryError& failure) {
      expectedMessage = failure.what();
    }
    QVERIFY(!expectedMessage.empty());

    rigscope::testing::SpySource spy(source);
    QPointer<rigscope::Form1> form;
    int formShows = 0;
    QPointer<rigscope::frmSplash> splash = new rigscope::frmSplash([&] {
      form = new rigscope::Form1(spy, closedHost);
      new EventWatch(form, QEvent::Show, [&] { ++formShows; });
      return form.data();
    });
    QString text, title;
    rigscope::testing::answerNextMessageBox([&](QMessageBox& box) {
      text = box.text();
      title = box.windowTitle();
    });
    splash->show();

    QCOMPARE(runApplication(), 1);
    QCOMPARE(text, QString::fromStdString(expectedMessage));
    QCOMPARE(title, QStringLiteral("Rigscope - System Memory Information"));
    // One scan, though the message box kept the event loop turning.
    QCOMPARE(spy.connects, 1);
    QCOMPARE(formShows, 0);
    QVERIFY(form.isNull());
    QTRY_VERIFY(splash.isNull());
  }
};

RIGSCOPE_UI_TEST_MAIN(RoadTest)
#include "tst_road.moc"
