// Every window and control of the three windows: names, kinds, texts,
// geometry in twips, fonts, colours, flags, focus and tab order.

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>
#include <chrono>
#include <memory>

#include "inventory/testing/scripted_source.h"
#include "test_support.h"
#include "ui/appearance.h"
#include "ui/dialog.h"
#include "ui/form1.h"
#include "ui/frm_splash.h"

using namespace std::chrono_literals;

namespace {

const QString title = QStringLiteral("Rigscope - System Memory Information");

// Twips as the windows' tables give them, in pixels at 96 dpi, unrounded.
double px(int twips) { return twips / 15.0; }

QString textOf(const QWidget* widget) {
  if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
  if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) return edit->toPlainText();
  return widget->property("text").toString();
}

// Object names of `names` in the order the focus chain from `first` visits them.
QStringList focusOrder(QWidget* first, const QStringList& names) {
  QStringList order;
  QWidget* widget = first;
  do {
    if (names.contains(widget->objectName()) && !order.contains(widget->objectName()) &&
        widget->focusPolicy() & Qt::TabFocus) {
      order << widget->objectName();
    }
    widget = widget->nextInFocusChain();
  } while (widget != first);
  return order;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  inventory::testing::ScriptedSource source_ = inventory::testing::twoModuleMachine();
  QPointer<rigscope::Form1> form_;
  QPointer<rigscope::Dialog> dialog_;
  QPointer<rigscope::frmSplash> splash_;
  int splashesMade_ = 0;
  std::unique_ptr<QSignalSpy> dialogOnScreen_;

  QWidget* window(const QString& name) {
    if (name == QLatin1String("Form1")) return form_;
    if (name == QLatin1String("Dialog")) return dialog_;
    return splash_;
  }

 private slots:
  void initTestCase() {
    form_ = new rigscope::Form1(source_, QStringLiteral("www.quillfield.example"));
    dialog_ = new rigscope::Dialog([this]() -> rigscope::frmSplash* {
      ++splashesMade_;
      return nullptr;
    });
    splash_ = new rigscope::frmSplash([]() -> rigscope::Form1* { return nullptr; }, 1h);
    dialogOnScreen_ = std::make_unique<QSignalSpy>(dialog_, &rigscope::Dialog::onScreen);
    for (QWidget* shown : {static_cast<QWidget*>(form_), static_cast<QWidget*>(dialog_),
                           static_cast<QWidget*>(splash_)}) {
      shown->show();
      QVERIFY(QTest::qWaitForWindowExposed(shown));
    }
  }

  void cleanupTestCase() {
    delete form_.data();
    delete dialog_.data();
    delete splash_.data();
  }

  void windows_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<QPoint>("originTwips");  // (-1, -1): centred on the screen
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<bool>("minimise");
    QTest::addColumn<bool>("inTaskBar");

    QTest::newRow("Dialog") << "Dialog" << title << QSize(6149, 4823) << QPoint(5031, 2119) << true << false << false;
    QTest::newRow("frmSplash") << "frmSplash" << QString() << QSize(3627, 1170) << QPoint(-1, -1) << false << false
                               << false;
    QTest::newRow("Form1") << "Form1" << title << QSize(11778, 10595) << QPoint(1846, 325) << true << true << true;
  }

  void windows() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    QFETCH(QPoint, originTwips);
    QFETCH(bool, titleBar);
    QFETCH(bool, minimise);
    QFETCH(bool, inTaskBar);

    QWidget* shown = window(name);
    QCOMPARE(shown->objectName(), name);
    QCOMPARE(shown->windowTitle(), caption);
    const QRect client = name == QLatin1String("frmSplash") ? shown->contentsRect().translated(shown->pos())
                                                            : shown->geometry();
    QVERIFY2(qAbs(client.width() - px(clientTwips.width())) <= 1, qPrintable(QString::number(client.width())));
    QVERIFY2(qAbs(client.height() - px(clientTwips.height())) <= 1, qPrintable(QString::number(client.height())));
    if (originTwips.x() >= 0) {
      QVERIFY(qAbs(client.left() - px(originTwips.x())) <= 1);
      QVERIFY(qAbs(client.top() - px(originTwips.y())) <= 1);
    } else {
      const QPoint screenCentre = shown->screen()->availableGeometry().center();
      QVERIFY((shown->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
    }
    // A fixed border: the size cannot change, and there is no maximise button.
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    const Qt::WindowFlags flags = shown->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimise);
    QCOMPARE(!(flags & Qt::FramelessWindowHint) && bool(flags & Qt::WindowTitleHint), titleBar);
    // Task bars list plain windows and leave tool and splash windows out.
    QCOMPARE(shown->windowType() == Qt::Window, inTaskBar);
    QVERIFY(shown->testAttribute(Qt::WA_QuitOnClose));
  }

  void oneIconForAllWindows() {
    const QIcon icon = form_->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    for (QWidget* other : {static_cast<QWidget*>(dialog_), static_cast<QWidget*>(splash_)}) {
      for (int size : {16, 32}) {
        QCOMPARE(other->windowIcon().pixmap(size).toImage(), icon.pixmap(size).toImage());
      }
    }
  }

  void controls_data() {
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("growsToFit");  // wider than its box only as far as its text needs, centred on it

    const auto row = [](const char* window, const char* name, const char* kind, const char* container,
                        const QString& text, QRect twips, bool growsToFit = false) {
      QTest::addRow("%s.%s", window, name) << QString::fromLatin1(window) << QString::fromLatin1(name)
                                           << QString::fromLatin1(kind) << QString::fromLatin1(container) << text
                                           << twips << growsToFit;
    };
    const QString none;
    row("Dialog", "Frame1", "QGroupBox", "Dialog", none, {0, 0, 6135, 4815});
    row("Dialog", "Text1", "QPlainTextEdit", "Frame1", QString(rigscope::Dialog::disclaimer()).replace("\r\n", "\n"),
        {120, 240, 5895, 3975});
    row("Dialog", "OKButton", "QPushButton", "Frame1", "OK", {1920, 4320, 1215, 375});
    row("Dialog", "CancelButton", "QPushButton", "Frame1", "Cancel", {3240, 4320, 1215, 375});

    row("frmSplash", "Label1", "QLabel", "frmSplash", "Rigscope", {960, 120, 1335, 495}, true);
    row("frmSplash", "Label2", "QLabel", "frmSplash", "Scanning Please Wait......", {240, 720, 3135, 375}, true);

    row("Form1", "Frame1", "QGroupBox", "Form1", none, {0, -120, 11775, 10695});
    row("Form1", "Frame2", "QGroupBox", "Frame1", "System", {120, 120, 6015, 2055});
    row("Form1", "Frame3", "QGroupBox", "Frame1", "Processor", {120, 2160, 6015, 1695});
    row("Form1", "Frame4", "QGroupBox", "Frame1", "Motherboard", {6240, 120, 5415, 975});
    row("Form1", "Frame5", "QGroupBox", "Frame1", "Bios", {6240, 1080, 5415, 975});
    row("Form1", "Frame6", "QGroupBox", "Frame1", "Memory", {6240, 2160, 5415, 1695});
    row("Form1", "Frame7", "QGroupBox", "Frame1", "Installed Memory Details", {120, 3840, 7335, 2175});
    row("Form1", "Frame8", "QGroupBox", "Frame1", none, {7560, 3840, 4095, 2175});
    row("Form1", "Frame9", "QGroupBox", "Frame1", "Compatible Memory Upgrade", {120, 6000, 11535, 4575});
    row("Form1", "Label18", "QLabel", "Frame7", "Slots", {1800, 240, 495, 255});
    row("Form1", "Label19", "QLabel", "Frame7", "Memory Size", {4200, 240, 1095, 255});
    row("Form1", "Label20", "QLabel", "Frame7", "Memory Speed", {5640, 240, 1335, 255});
    row("Form1", "slotsLst", "QListWidget", "Frame7", none, {120, 480, 3855, 1573});
    row("Form1", "memoryLst", "QListWidget", "Frame7", none, {3960, 480, 1575, 1573});
    row("Form1", "speedLst", "QListWidget", "Frame7", none, {5520, 480, 1575, 1573});
    row("Form1", "Image1", "QLabel", "Frame8", none, {1196, 364, 1976, 884});
    row("Form1", "Label39", "QLabel", "Frame8", "Click Here to Chat with Our Customer Representative",
        {120, 1440, 3855, 375}, true);
    row("Form1", "clipboardCmd", "QPushButton", "Frame8", "Copy System Info To Clipboard", {960, 1680, 2415, 375});
    row("Form1", "WB", "QWebEngineView", "Frame9", none, {0, 240, 11535, 4335});

    // Caption label and value label of each row; captions reach to the values.
    struct ValueRow {
      const char* frame;
      const char* caption;
      const char* captionText;
      int top;
      const char* value;
      int width;
    };
    const ValueRow values[] = {
        {"Frame2", "Label1", "Manufacturer", 240, "Label21", 4215},
        {"Frame2", "Label2", "Model", 600, "Label22", 4215},
        {"Frame2", "Label4", "Version", 960, "Label24", 4215},
        {"Frame2", "Label5", "Identifying No", 1320, "Label25", 4215},
        {"Frame2", "Label9", "Type", 1680, "Label26", 4335},
        {"Frame3", "Label6", "Name", 240, "Label27", 4335},
        {"Frame3", "Label7", "Manufacturer", 600, "Label28", 4215},
        {"Frame3", "Label40", "Speed", 960, "Label41", 3375},
        {"Frame3", "Label8", "FSB", 1320, "Label29", 4335},
        {"Frame4", "Label10", "Manufacturer", 240, "Label30", 3375},
        {"Frame4", "Label11", "Model", 600, "Label31", 3375},
        {"Frame5", "Label12", "Manufacturer", 240, "Label32", 3735},
        {"Frame5", "Label13", "Version", 600, "Label33", 3735},
        {"Frame6", "Label14", "Manufacturer", 240, "Label34", 3375},
        {"Frame6", "Label15", "Installed RAM", 600, "Label35", 3375},
        {"Frame6", "Label16", "Maximum RAM", 960, "Label36", 3375},
        {"Frame6", "Label17", "No Of Slots", 1320, "Label37", 3375},
    };
    for (const ValueRow& value : values) {
      row("Form1", value.caption, "QLabel", value.frame, QString::fromLatin1(value.captionText),
          {240, value.top, 1320, 255});
      // Emptied when the window loads; filled by the scan.
      row("Form1", value.value, "QLabel", value.frame, none, {1560, value.top, value.width, 255});
    }
  }

  void controls() {
    QFETCH(QString, windowName);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(bool, growsToFit);

    QWidget* owner = window(windowName);
    auto* control = owner->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QVERIFY(control->inherits(kind.toLatin1()));
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(textOf(control), text);

    // The splash's controls sit inside its border.
    const QPoint client = owner == splash_ ? splash_->contentsRect().topLeft() : QPoint();
    QRect geometry = control->geometry().translated(-client);
    if (growsToFit && geometry.width() > px(twips.width()) + 1) {
      QCOMPARE(geometry.width(), control->sizeHint().width());
      QVERIFY(qAbs(geometry.left() + geometry.width() / 2.0 - px(twips.left() + twips.width() / 2)) <= 1);
      geometry = QRect(qRound(px(twips.left())), geometry.top(), qRound(px(twips.width())), geometry.height());
    }
    QVERIFY2(qAbs(geometry.left() - px(twips.left())) <= 1 && qAbs(geometry.top() - px(twips.top())) <= 1 &&
                 qAbs(geometry.width() - px(twips.width())) <= 1 && qAbs(geometry.height() - px(twips.height())) <= 1,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(geometry.left()).arg(geometry.top()).arg(geometry.width())
                            .arg(geometry.height())));
  }

  void fontsAndColours() {
    const QColor black = form_->palette().color(QPalette::WindowText);
    const QColor blue(0, 0, 255);
    const QStringList blueLabels = {"Label21", "Label22", "Label24", "Label25", "Label26", "Label27",
                                    "Label28", "Label41", "Label29", "Label30", "Label31", "Label32",
                                    "Label33", "Label34", "Label35", "Label36", "Label37", "Label39"};
    int captions = 0;
    for (const QLabel* label : form_->findChildren<QLabel*>()) {
      if (label->objectName() == QLatin1String("Image1")) continue;
      const QFont font = label->font();
      QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
      if (blueLabels.contains(label->objectName())) {
        QCOMPARE(label->palette().color(QPalette::WindowText), blue);
        QVERIFY(!font.bold());
        QCOMPARE(label->textFormat(), Qt::PlainText);
      } else {
        ++captions;
        QCOMPARE(label->palette().color(QPalette::WindowText), black);
        QVERIFY(font.bold());
        QCOMPARE(font.pointSizeF(), 7.47);
      }
    }
    QCOMPARE(captions, 20);
    for (const QGroupBox* frame : form_->findChildren<QGroupBox*>()) {
      QVERIFY(frame->font().bold());
      QCOMPARE(frame->font().pointSizeF(), 7.47);
    }
    for (const char* plain : {"slotsLst", "memoryLst", "speedLst", "clipboardCmd"}) {
      QCOMPARE(form_->findChild<QWidget*>(plain)->font(), rigscope::windowFont());
    }

    const auto* name = splash_->findChild<QLabel*>("Label1");
    QCOMPARE(name->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(name->font().pointSizeF(), 17.66);
    QVERIFY(!name->font().bold());
    QCOMPARE(name->palette().color(QPalette::WindowText), blue);
    const auto* wait = splash_->findChild<QLabel*>("Label2");
    QCOMPARE(wait->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(wait->font().pointSizeF(), 15.63);
  }

  // With the fonts Qt substitutes here, every fixed text fits its box on one line.
  void textsFitTheirBoxes() {
    QList<QWidget*> controls;
    for (QWidget* owner : {window("Form1"), window("Dialog"), window("frmSplash")}) {
      for (QWidget* control : owner->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control)) controls << control;
      }
    }
    for (QWidget* control : controls) {
      const QString text = textOf(control);
      if (text.isEmpty()) continue;
      const QFontMetrics metrics(control->font());
      const int margin = qobject_cast<QPushButton*>(control) ? 8 : 0;
      QVERIFY2(metrics.horizontalAdvance(text) + margin <= control->width() && metrics.height() <= control->height(),
               qPrintable(QStringLiteral("%1: %2 > %3")
                              .arg(control->objectName())
                              .arg(metrics.horizontalAdvance(text) + margin)
                              .arg(control->width())));
    }
    // The button overlaps the lower part of the link's box; the text stays above it.
    const auto* link = form_->findChild<QLabel*>("Label39");
    QVERIFY(link->y() + QFontMetrics(link->font()).height() <= form_->findChild<QPushButton*>("clipboardCmd")->y());
  }

  // Said once, after the first picture, so the program can use the reading time.
  void disclaimerSaysWhenItIsOnScreen() {
    QTRY_COMPARE(dialogOnScreen_->count(), 1);
    dialog_->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(dialogOnScreen_->count(), 1);
  }

  void disclaimerText() {
    const QString paragraphs[] = {
        "Please read the following carefully before using the Probewell Tool.",
        "The Probewell Tool scanner DOES NOT collect any personal data stored on your computer.  Only  system "
        "information is captured during this one time scan. NO personal data is transmitted. To run the scanner just "
        "click the OK button. The scanner results are to help you find the memory type only and  does not guarantee "
        "compatibility results.",
        "Please verify with your computer's manual to confirm that the memory you purchase is the correct memory for "
        "your system. Our website provides the following tools to help you to find the compatible memory: Probewell "
        "tool, Slotfinder help tool, and Parleyroom.",
        "If you need any help before buying memory, you can use our live customer support chat to talk to one of our "
        "representatives and we will be glad to help you find the compatible memory.",
    };
    const QString expected = paragraphs[0] + "\r\n\r\n" + paragraphs[1] + "\r\n\r\n" + paragraphs[2] + "\r\n\r\n" +
                             paragraphs[3];
    QCOMPARE(rigscope::Dialog::disclaimer(), expected);
    const auto* text = dialog_->findChild<QPlainTextEdit*>("Text1");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void focusAndTabOrder_data() {
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Dialog") << "Dialog" << QStringList{"Text1", "CancelButton", "OKButton"};
    QTest::newRow("Form1") << "Form1" << QStringList{"slotsLst", "clipboardCmd", "WB", "memoryLst", "speedLst"};
  }

  void focusAndTabOrder() {
    QFETCH(QString, windowName);
    QFETCH(QStringList, order);
    QWidget* owner = window(windowName);
    QCOMPARE(owner->focusWidget()->objectName(), order.first());
    // The browser pane makes its page view later and must keep its place.
    QTRY_COMPARE(focusOrder(owner->focusWidget(), order), order);
  }

  // There is no default and no cancel button: the user has to click.
  void dialogIgnoresEnterAndEscape_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    for (const char* focused : {"Text1", "OKButton", "CancelButton"}) {
      QTest::addRow("%s Return", focused) << focused << int(Qt::Key_Return);
      QTest::addRow("%s Enter", focused) << focused << int(Qt::Key_Enter);
      QTest::addRow("%s Escape", focused) << focused << int(Qt::Key_Escape);
    }
  }

  void dialogIgnoresEnterAndEscape() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QSignalSpy okClicks(dialog_->findChild<QPushButton*>("OKButton"), &QPushButton::clicked);
    QSignalSpy cancelClicks(dialog_->findChild<QPushButton*>("CancelButton"), &QPushButton::clicked);
    auto* target = dialog_->findChild<QWidget*>(focused);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(okClicks.count(), 0);
    QCOMPARE(cancelClicks.count(), 0);
    QVERIFY(dialog_->isVisible());
    QCOMPARE(splashesMade_, 0);
  }
};

RIGSCOPE_UI_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
