// The main window over a scripted machine: what the scan puts in place, the
// lists kept in step, the clipboard copy and the support-chat link.

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

#include "inventory/error.h"
#include "inventory/scan.h"
#include "machine.h"
#include "test_support.h"
#include "ui/chat_launcher.h"
#include "ui/form1.h"

namespace {

using rigscope::testing::itemsOf;

// Nothing listens there: the pane's page fails at once, without leaving the machine.
const QString closedHost = QStringLiteral("127.0.0.1:9");

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  inventory::testing::ScriptedSource source_ = rigscope::testing::scriptedMachine();
  QPointer<rigscope::Form1> form_;

  template <typename T>
  T* control(const char* name) const {
    return form_->findChild<T*>(QLatin1String(name));
  }

 private slots:
  void initTestCase() {
    form_ = new rigscope::Form1(source_, closedHost, rigscope::ChatLauncher(QStringLiteral("/nonexistent/browser")));
    QCOMPARE(form_->getRigscope(), QStringLiteral("Success"));
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_));
  }

  void cleanupTestCase() { delete form_.data(); }

  void labelsShowTheScan_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("system manufacturer, markup shown as text") << "Label21" << "Acme <b>Works</b>";
    QTest::newRow("null model") << "Label22" << "";
    QTest::newRow("version") << "Label24" << "ThinkBook T480s";
    QTest::newRow("identifying number") << "Label25" << "PC131TBF";
    QTest::newRow("type") << "Label26" << "x64-based PC";
    QTest::newRow("processor") << "Label27" << "Example CPU 8650U @ 1.90GHz";
    QTest::newRow("processor manufacturer") << "Label28" << "GenuineIntel";
    QTest::newRow("speed, a bare number") << "Label41" << "2112";
    QTest::newRow("FSB, a bare number") << "Label29" << "100";
    QTest::newRow("board manufacturer") << "Label30" << "Board Maker";
    QTest::newRow("board model") << "Label31" << "20L8S07A14";
    QTest::newRow("bios") << "Label32" << "Bios Maker";
    QTest::newRow("bios version") << "Label33" << "N22ET37W";
    QTest::newRow("null memory manufacturer") << "Label34" << "";
    QTest::newRow("installed") << "Label35" << "16 GB";
    QTest::newRow("maximum") << "Label36" << "32 GB";
    QTest::newRow("slots") << "Label37" << "4  (Currently Memory in 2 Slots)";
  }

  void labelsShowTheScan() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QCOMPARE(control<QLabel>(label.toLatin1())->text(), text);
  }

  void listsReportAndPaneShowTheScan() {
    QCOMPARE(itemsOf(control<QListWidget>("slotsLst")), QStringList({"ChannelA-DIMM0", ""}));
    QCOMPARE(itemsOf(control<QListWidget>("memoryLst")), QStringList({"8192 MB", "4096 MB"}));
    QCOMPARE(itemsOf(control<QListWidget>("speedLst")), QStringList({"2400 MHz", "2666 MHz"}));

    // The window keeps the core's report and opens the core's address, unchanged.
    auto expectedSource = rigscope::testing::scriptedMachine();
    const inventory::ScanResult expected = inventory::runScan(expectedSource, closedHost.toStdString());
    QCOMPARE(form_->systemReport(), QString::fromStdString(expected.systemReport));
    const QWebEngineView* pane = control<QWebEngineView>("WB");
    QCOMPARE(pane->page()->requestedUrl(), QUrl(QString::fromStdString(expected.lookupAddress), QUrl::TolerantMode));
  }

  void failedScanThrowsAndChangesNothing() {
    auto source = rigscope::testing::scriptedMachine();
    rigscope::Form1 form(source, closedHost);
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(form.getRigscope(), QStringLiteral("Success"));
    const auto* maker = form.findChild<QLabel*>("Label21");
    const auto* locators = form.findChild<QListWidget*>("slotsLst");
    const QString report = form.systemReport();
    const QUrl address = form.findChild<QWebEngineView*>("WB")->page()->requestedUrl();
    QVERIFY(address.isValid());

    source.failQuery("Win32_Processor", "the processor query was refused");
    QString message;
    try {
      form.getRigscope();
    } catch (const inventory::InventoryError& failure) {
      message = QString::fromUtf8(failure.what());
    }
    QVERIFY2(message.contains(QLatin1String("the processor query was refused")), qPrintable(message));
    QCOMPARE(maker->text(), QStringLiteral("Acme <b>Works</b>"));
    QCOMPARE(locators->count(), 2);
    QCOMPARE(form.systemReport(), report);
    QCOMPARE(form.findChild<QWebEngineView*>("WB")->page()->requestedUrl(), address);
  }

  void listsFollowTheClickedRow_data() {
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("row");
    QTest::newRow("second size") << "memoryLst" << 1;
    QTest::newRow("first locator") << "slotsLst" << 0;
    QTest::newRow("second speed") << "speedLst" << 1;
    QTest::newRow("second locator, null") << "slotsLst" << 1;
  }

  void listsFollowTheClickedRow() {
    QFETCH(QString, clicked);
    QFETCH(int, row);
    const QList<QListWidget*> lists = {control<QListWidget>("slotsLst"), control<QListWidget>("memoryLst"),
                                       control<QListWidget>("speedLst")};
    for (QListWidget* list : lists) list->setCurrentRow(row == 0 ? 1 : 0);
    std::vector<std::unique_ptr<QSignalSpy>> changes;
    for (QListWidget* list : lists) {
      changes.push_back(std::make_unique<QSignalSpy>(list, &QListWidget::itemSelectionChanged));
    }

    auto* target = control<QListWidget>(clicked.toLatin1());
    QTest::mouseClick(target->viewport(), Qt::LeftButton, {}, target->visualItemRect(target->item(row)).center());

    for (int index = 0; index < lists.size(); ++index) {
      QCOMPARE(lists[index]->currentRow(), row);
      QVERIFY(lists[index]->item(row)->isSelected());
      // Each list changed once: the handlers did not set one another off.
      QCOMPARE(changes[index]->count(), 1);
    }
  }

  void arrowKeysMoveAllLists() {
    auto* speeds = control<QListWidget>("speedLst");
    speeds->setCurrentRow(0);
    speeds->setFocus();
    QTest::keyClick(speeds, Qt::Key_Down);
    for (const char* name : {"slotsLst", "memoryLst", "speedLst"}) QCOMPARE(control<QListWidget>(name)->currentRow(), 1);
  }

  // Another program reads the X clipboard: it holds exactly the report, as
  // plain text, and nothing of what was there before.
  void clipboardHoldsExactlyTheReport() {
    auto* stale = new QMimeData;
    stale->setText(QStringLiteral("stale text"));
    stale->setHtml(QStringLiteral("<b>stale</b>"));
    QGuiApplication::clipboard()->setMimeData(stale);

    QTest::mouseClick(control<QPushButton>("clipboardCmd"), Qt::LeftButton);

    QProcess reader;
    reader.start(QStringLiteral(RIGSCOPE_CLIPBOARD_READER), {});
    QVERIFY(reader.waitForStarted());
    // Wait with the event loop running: this process serves the reader's request.
    QTRY_COMPARE_WITH_TIMEOUT(reader.state(), QProcess::NotRunning, 20000);
    QCOMPARE(reader.exitCode(), 0);
    const QByteArray output = reader.readAllStandardOutput();
    const qsizetype split = output.indexOf('\n');
    const QList<QByteArray> formats = output.left(split).split(',');
    const QString text = QString::fromUtf8(output.mid(split + 1));

    QVERIFY(formats.contains("text/plain"));
    QVERIFY2(!formats.contains("text/html"), output.left(split).constData());
    QCOMPARE(text, form_->systemReport());
    QVERIFY(text.contains(QLatin1String("\r\n")));
    QVERIFY(!text.isEmpty());
  }

  void chatWithoutBrowserSaysSo_data() {
    QTest::addColumn<QString>("clicked");
    QTest::newRow("picture") << "Image1";
    QTest::newRow("link") << "Label39";
  }

  void chatWithoutBrowserSaysSo() {
    QFETCH(QString, clicked);
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    rigscope::testing::answerNextMessageBox([&](QMessageBox& box) {
      text = box.text();
      title = box.windowTitle();
      icon = box.icon();
      buttons = box.standardButtons();
    });

    QTest::mouseClick(control<QWidget>(clicked.toLatin1()), Qt::LeftButton);

    QCOMPARE(text, QStringLiteral("Browser Not found!!!"));
    QCOMPARE(title, QStringLiteral("Rigscope - System Memory Information"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The window goes on as before.
    QVERIFY(form_->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(control<QListWidget>("memoryLst")->viewport(), Qt::LeftButton, {},
                      control<QListWidget>("memoryLst")->visualItemRect(control<QListWidget>("memoryLst")->item(0))
                          .center());
    QCOMPARE(control<QListWidget>("slotsLst")->currentRow(), 0);
  }

  // The browser gets the chat address as its one argument, without a shell.
  void chatOpensTheBrowser() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString browser = dir.filePath(QStringLiteral("browser"));
    const QString record = dir.filePath(QStringLiteral("arguments"));
    QFile script(browser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$(dirname \"$0\")/arguments\"\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    auto source = rigscope::testing::scriptedMachine();
    const QString host = QStringLiteral("127.0.0.1:8080");
    QPointer<rigscope::Form1> form = new rigscope::Form1(source, host, rigscope::ChatLauncher(browser));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    bool boxShown = false;
    QPointer<QTimer> watch = rigscope::testing::answerNextMessageBox([&](QMessageBox&) { boxShown = true; });

    QTest::mouseClick(form->findChild<QWidget*>("Label39"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QFile arguments(record);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(arguments.readAll()),
             "1\nhttp://127.0.0.1:8080/support/UserPreChat.aspx?ref=CustomerScanWindow\n");
    QVERIFY(!boxShown);
    delete watch.data();
    delete form.data();
  }
};

RIGSCOPE_UI_TEST_MAIN(Form1Test)
#include "tst_form1.moc"
