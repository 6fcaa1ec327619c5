#include "ui/form1.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <string>
#include <utility>

#include "inventory/scan.h"
#include "inventory/value.h"
#include "ui/appearance.h"
#include "ui/browser_pane.h"
#include "ui/click_label.h"

namespace rigscope {
namespace {

QString fromCore(const std::string& text) { return QString::fromStdString(text); }

void makeBlue(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, valueColour());
  widget->setPalette(palette);
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(QLatin1String(name));
  frame->setFont(captionFont());
  frame->setGeometry(geometry);
  return frame;
}

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, const QFont& font) {
  auto* label = new Label(parent);
  label->setObjectName(QLatin1String(name));
  // Texts from the machine are shown as they are, never read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setGeometry(geometry);
  label->setFont(font);
  return label;
}

QListWidget* makeList(QWidget* parent, const char* name, QRect geometry) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QLatin1String(name));
  list->setGeometry(geometry);
  list->setFont(windowFont());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

}  // namespace

Form1::Form1(inventory::InventorySource& source, QString vendorHost, ChatLauncher chatLauncher, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      source_(source),
      vendorHost_(std::move(vendorHost)),
      chatLauncher_(std::move(chatLauncher)) {
  setObjectName(QStringLiteral("Form1"));
  setAttribute(Qt::WA_DeleteOnClose, true);
  setWindowTitle(appTitle);
  setWindowIcon(appIcon());
  setFont(windowFont());
  setGeometry(twipsRect(1846, 325, 11778, 10595));
  setFixedSize(size());

  buildFrames();

  setTabOrder();
  slotsLst->setFocus();

  for (QListWidget* list : {slotsLst, memoryLst, speedLst}) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { followSelection(list); });
  }
  connect(clipboardCmd, &QPushButton::clicked, this, &Form1::copySystemInfo);
  connect(Image1, &ClickLabel::clicked, this, &Form1::startChat);
  connect(Label39, &ClickLabel::clicked, this, &Form1::startChat);
}

Form1::~Form1() = default;


bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // The pane makes its page view, its focus proxy, only once the page runs,
  // and that moves the pane to the end of the focus chain: put it back.
  if (watched == WB && event->type() == QEvent::ChildAdded) {
    QMetaObject::invokeMethod(this, &Form1::setTabOrder, Qt::QueuedConnection);
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::setTabOrder() {
  QWidget::setTabOrder(slotsLst, clipboardCmd);
  QWidget::setTabOrder(clipboardCmd, WB);
  QWidget::setTabOrder(WB, memoryLst);
  QWidget::setTabOrder(memoryLst, speedLst);
}

void Form1::buildFrames() {
  const QFont caption = captionFont();
  const QFont plain = windowFont();

  auto* Frame1 = makeFrame(this, "Frame1", {}, twipsRect(0, -120, 11775, 10695));
  auto* Frame2 = makeFrame(Frame1, "Frame2", QStringLiteral("System"), twipsRect(120, 120, 6015, 2055));
  auto* Frame3 = makeFrame(Frame1, "Frame3", QStringLiteral("Processor"), twipsRect(120, 2160, 6015, 1695));
  auto* Frame4 = makeFrame(Frame1, "Frame4", QStringLiteral("Motherboard"), twipsRect(6240, 120, 5415, 975));
  auto* Frame5 = makeFrame(Frame1, "Frame5", QStringLiteral("Bios"), twipsRect(6240, 1080, 5415, 975));
  auto* Frame6 = makeFrame(Frame1, "Frame6", QStringLiteral("Memory"), twipsRect(6240, 2160, 5415, 1695));
  auto* Frame7 =
      makeFrame(Frame1, "Frame7", QStringLiteral("Installed Memory Details"), twipsRect(120, 3840, 7335, 2175));
  auto* Frame8 = makeFrame(Frame1, "Frame8", {}, twipsRect(7560, 3840, 4095, 2175));
  auto* Frame9 =
      makeFrame(Frame1, "Frame9", QStringLiteral("Compatible Memory Upgrade"), twipsRect(120, 6000, 11535, 4575));

  // A caption label at left 240 and its blue value label at left 1560, one row.
  const auto addRow = [&](QGroupBox* frame, const char* captionName, const char* captionText, int top,
                          QLabel*& value, const char* valueName, int width) {
    makeLabel(frame, captionName, QLatin1String(captionText), twipsRect(240, top, 1560 - 240, 255), caption);
    value = makeLabel(frame, valueName, {}, twipsRect(1560, top, width, 255), plain);
    makeBlue(value);
  };
  addRow(Frame2, "Label1", "Manufacturer", 240, Label21, "Label21", 4215);
  addRow(Frame2, "Label2", "Model", 600, Label22, "Label22", 4215);
  addRow(Frame2, "Label4", "Version", 960, Label24, "Label24", 4215);
  addRow(Frame2, "Label5", "Identifying No", 1320, Label25, "Label25", 4215);
  addRow(Frame2, "Label9", "Type", 1680, Label26, "Label26", 4335);
  addRow(Frame3, "Label6", "Name", 240, Label27, "Label27", 4335);
  addRow(Frame3, "Label7", "Manufacturer", 600, Label28, "Label28", 4215);
  addRow(Frame3, "Label40", "Speed", 960, Label41, "Label41", 3375);
  addRow(Frame3, "Label8", "FSB", 1320, Label29, "Label29", 4335);
  addRow(Frame4, "Label10", "Manufacturer", 240, Label30, "Label30", 3375);
  addRow(Frame4, "Label11", "Model", 600, Label31, "Label31", 3375);
  addRow(Frame5, "Label12", "Manufacturer", 240, Label32, "Label32", 3735);
  addRow(Frame5, "Label13", "Version", 600, Label33, "Label33", 3735);
  addRow(Frame6, "Label14", "Manufacturer", 240, Label34, "Label34", 3375);
  addRow(Frame6, "Label15", "Installed RAM", 600, Label35, "Label35", 3375);
  addRow(Frame6, "Label16", "Maximum RAM", 960, Label36, "Label36", 3375);
  addRow(Frame6, "Label17", "No Of Slots", 1320, Label37, "Label37", 3375);

  makeLabel(Frame7, "Label18", QStringLiteral("Slots"), twipsRect(1800, 240, 495, 255), caption);
  makeLabel(Frame7, "Label19", QStringLiteral("Memory Size"), twipsRect(4200, 240, 1095, 255), caption);
  makeLabel(Frame7, "Label20", QStringLiteral("Memory Speed"), twipsRect(5640, 240, 1335, 255), caption);
  slotsLst = makeList(Frame7, "slotsLst", twipsRect(120, 480, 3855, 1573));
  memoryLst = makeList(Frame7, "memoryLst", twipsRect(3960, 480, 1575, 1573));
  speedLst = makeList(Frame7, "speedLst", twipsRect(5520, 480, 1575, 1573));

  const QRect pictureArea = twipsRect(1196, 364, 1976, 884);
  Image1 = makeLabel<ClickLabel>(Frame8, "Image1", {}, pictureArea, plain);
  Image1->setPixmap(chatPicture(pictureArea.size(), devicePixelRatioF()));
  Image1->setCursor(handCursor());

  Label39 = makeLabel<ClickLabel>(Frame8, "Label39", QStringLiteral("Click Here to Chat with Our Customer Representative"),
                                  twipsRect(120, 1440, 3855, 375), plain);
  // One line, clear of the button that overlaps the lower part of its box.
  Label39->setGeometry(fittedAboutCentre(Label39, Label39->geometry()));
  Label39->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label39->setCursor(handCursor());
  makeBlue(Label39);

  clipboardCmd = new QPushButton(QStringLiteral("Copy System Info To Clipboard"), Frame8);
  clipboardCmd->setObjectName(QStringLiteral("clipboardCmd"));
  clipboardCmd->setGeometry(twipsRect(960, 1680, 2415, 375));
  clipboardCmd->setFont(plain);

  WB = makeBrowserPane(Frame9);
  WB->setObjectName(QStringLiteral("WB"));
  WB->setGeometry(twipsRect(0, 240, 11535, 4335));
  // The pane hands focus on to its page's view; it takes its place in the tab order.
  WB->setFocusPolicy(Qt::StrongFocus);
  WB->installEventFilter(this);
}

QString Form1::getRigscope() {
  const inventory::ScanResult result = inventory::runScan(source_, vendorHost_.toStdString());

  slotsLst->clear();
  memoryLst->clear();
  speedLst->clear();
  for (const inventory::ModuleRow& row : result.rows) {
    slotsLst->addItem(fromCore(inventory::valueText(row.locator)));
    memoryLst->addItem(fromCore(row.sizeText));
    speedLst->addItem(fromCore(row.speedText));
  }

  const inventory::InventoryRecord& record = result.record;
  const std::pair<QLabel*, std::string> values[] = {
      {Label21, inventory::valueText(record.systemManufacturer)},
      {Label22, inventory::valueText(record.systemModel)},
      {Label24, inventory::valueText(record.productVersion)},
      {Label25, inventory::valueText(record.productIdentifyingNumber)},
      {Label26, inventory::valueText(record.systemType)},
      {Label27, inventory::valueText(record.processorName)},
      {Label28, inventory::valueText(record.processorManufacturer)},
      {Label41, inventory::valueText(record.processorClock)},
      {Label29, inventory::valueText(record.processorExtClock)},
      {Label30, inventory::valueText(record.boardManufacturer)},
      {Label31, inventory::valueText(record.boardProduct)},
      {Label32, inventory::valueText(record.biosManufacturer)},
      {Label33, inventory::valueText(record.biosVersion)},
      {Label34, inventory::valueText(record.memoryManufacturer)},
      {Label35, result.texts.installedText},
      {Label36, result.texts.maximumText},
      {Label37, result.texts.slotSummary},
  };
  for (const auto& [label, text] : values) label->setText(fromCore(text));

  systemReport_ = fromCore(result.systemReport);
  // Tolerant parsing escapes what a URL cannot carry (spaces) and keeps the
  // percent-escapes already in the address as they are.
  navigate(WB, QUrl(fromCore(result.lookupAddress), QUrl::TolerantMode));
  return QStringLiteral("Success");
}

void Form1::copySystemInfo() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(systemReport_);
}

void Form1::startChat() {
  if (chatLauncher_.open(chatAddress(vendorHost_))) return;
  QMessageBox box(QMessageBox::NoIcon, appTitle, QStringLiteral("Browser Not found!!!"), QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("browserNotFound"));
  box.exec();
}

void Form1::followSelection(QListWidget* clicked) {
  const QList<QListWidgetItem*> selected = clicked->selectedItems();
  if (selected.isEmpty()) return;
  const int row = clicked->row(selected.first());
  // Each list is selected at most once per click: a list already on the row is
  // left alone, so the selections this makes cannot set off one another.
  for (QListWidget* list : {memoryLst, slotsLst, speedLst}) {
    if (list == clicked || row >= list->count()) continue;
    if (list->currentRow() != row || !list->item(row)->isSelected()) list->setCurrentRow(row);
  }
}

}  // namespace rigscope
