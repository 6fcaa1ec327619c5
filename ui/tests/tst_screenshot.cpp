// The filled main window from a real machine's SMBIOS dump, saved as a
// picture under the build folder for people to look at.

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QWebEngineView>
#include <QWindow>
#include <memory>
#include <set>

#include "inventory/facts/dump_source.h"
#include "test_support.h"
#include "ui/form1.h"

namespace {

using rigscope::testing::itemsOf;

// How many colours a region shows; an unpainted pane shows one.
int coloursIn(const QImage& image, const QRect& region) {
  std::set<QRgb> colours;
  for (int y = region.top(); y <= region.bottom(); y += 2) {
    for (int x = region.left(); x <= region.right(); x += 2) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

}  // namespace

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void filledWindowFromARealDump() {
    const QString dump = QStringLiteral(RIGSCOPE_DUMPS_DIR "/lenovo-thinkpad-t480.bin");
    if (!QFile::exists(dump)) {
      QSKIP(qPrintable(QStringLiteral("no SMBIOS dumps at %1; the shared folder is not beside the repository")
                           .arg(QStringLiteral(RIGSCOPE_DUMPS_DIR))));
    }
    const auto source = inventory::makeDumpSource(dump.toStdString());
    // Nothing listens there: the pane shows the browser's own error page.
    const auto form = std::make_unique<rigscope::Form1>(*source, QStringLiteral("127.0.0.1:9"));
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(form->getRigscope(), QStringLiteral("Success"));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    QCOMPARE(form->findChild<QLabel*>("Label21")->text(), QStringLiteral("LENOVO"));
    QCOMPARE(itemsOf(form->findChild<QListWidget*>("slotsLst")), QStringList({"ChannelA-DIMM0", "ChannelB-DIMM0"}));
    QCOMPARE(itemsOf(form->findChild<QListWidget*>("memoryLst")), QStringList({"8192 MB", "16384 MB"}));

    const auto* pane = form->findChild<QWebEngineView*>("WB");
    const QRect paneArea(pane->mapTo(form.get(), QPoint(0, 0)), pane->size());
    QImage picture;
    QTRY_VERIFY_WITH_TIMEOUT((picture = form->screen()->grabWindow(form->winId()).toImage(),
                              coloursIn(picture, paneArea) > 8),
                             20000);

    const QString folder = QStringLiteral(RIGSCOPE_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath(QStringLiteral("main-window.png"));
    QVERIFY(picture.save(file));
  }
};

RIGSCOPE_UI_TEST_MAIN(ScreenshotTest)
#include "tst_screenshot.moc"
