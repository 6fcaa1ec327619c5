#include "ui/appearance.h"

#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QStringList>
#include <QSvgRenderer>

// The art is compiled into this static library; its resources must be
// registered by hand before the first use.
static void registerArt() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(rigscope_ui);
    return true;
  }();
  Q_UNUSED(registered);
}

namespace rigscope {
namespace {

// The windows were laid out for these families; where the machine lacks
// them, the metric-compatible free families keep the texts inside their boxes.
void installFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    return true;
  }();
  Q_UNUSED(installed);
}

// Every window shows the same icon, and two controls the same cursor; each
// drawing is rendered once per size and then comes from the toolkit's cache.
QPixmap renderSvg(const QString& resource, QSize size, qreal devicePixelRatio) {
  const QString key = QStringLiteral("rigscope:%1:%2x%3@%4")
                          .arg(resource)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(devicePixelRatio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  registerArt();
  pixmap = QPixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(resource);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(devicePixelRatio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace

QRect twipsRect(int left, int top, int width, int height) {
  const int x = twips(left);
  const int y = twips(top);
  return {x, y, twips(left + width) - x, twips(top + height) - y};
}

QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }

QRect fittedAboutCentre(const QLabel* label, QRect box) {
  if (const int overflow = label->sizeHint().width() - box.width(); overflow > 0) {
    box.adjust(-overflow / 2, 0, overflow - overflow / 2, 0);
  }
  return box;
}

QFont fontOf(const QString& family, qreal pointSize, QFont::Weight weight) {
  installFontSubstitutes();
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setWeight(weight);
  return font;
}

QFont windowFont() { return fontOf(QStringLiteral("MS Sans Serif"), 8, QFont::Normal); }

QFont captionFont() { return fontOf(QStringLiteral("MS Sans Serif"), 7.47, QFont::Bold); }

QColor valueColour() { return QColor(0, 0, 255); }

QIcon appIcon() {
  QIcon icon;
  icon.addPixmap(renderSvg(QStringLiteral(":/rigscope/icon-32.svg"), {32, 32}, 1));
  icon.addPixmap(renderSvg(QStringLiteral(":/rigscope/icon-16.svg"), {16, 16}, 1));
  return icon;
}

QCursor handCursor() {
  // The fingertip of the drawing is at (12, 1).
  return QCursor(renderSvg(QStringLiteral(":/rigscope/hand.svg"), {32, 32}, 1), 12, 1);
}

QPixmap chatPicture(QSize size, qreal devicePixelRatio) {
  return renderSvg(QStringLiteral(":/rigscope/chat.svg"), size, devicePixelRatio);
}

}  // namespace rigscope
