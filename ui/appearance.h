#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;

// The look shared by the three windows: layout units, fonts, colours and art.
namespace rigscope {

// Caption of the main window and the disclaimer, and title of every message box.
inline const QString appTitle = QStringLiteral("Rigscope - System Memory Information");

// Twips (1440 to the inch) in device-independent pixels: 15 twips to a pixel.
[[nodiscard]] constexpr int twips(int value) {
  return value >= 0 ? (value + 7) / 15 : (value - 7) / 15;
}

// A rectangle given in twips; edges are rounded, so neighbours stay flush.
[[nodiscard]] QRect twipsRect(int left, int top, int width, int height);
[[nodiscard]] QSize twipsSize(int width, int height);

// `box`, widened about its centre as far as the label's one line of text
// needs: some texts are a little wider in the substitute fonts than the boxes
// drawn for them, and are better moved than clipped.
[[nodiscard]] QRect fittedAboutCentre(const QLabel* label, QRect box);

// The window's default font, for value labels, lists, buttons and text boxes.
[[nodiscard]] QFont windowFont();
// The bold font of caption labels and frame captions.
[[nodiscard]] QFont captionFont();
// A font of the given family, point size and weight; Qt substitutes fonts the
// machine lacks by metric-compatible ones where they are installed.
[[nodiscard]] QFont fontOf(const QString& family, qreal pointSize, QFont::Weight weight);

// The colour of value labels, the link label and the splash's name.
[[nodiscard]] QColor valueColour();

// The one window icon of all three windows, drawn at 32 and 16 pixels.
[[nodiscard]] QIcon appIcon();
// The pointing hand over the chat picture and link, hot spot at the fingertip.
[[nodiscard]] QCursor handCursor();
// The chat banner scaled to `size`, sharp at the screen's pixel ratio.
[[nodiscard]] QPixmap chatPicture(QSize size, qreal devicePixelRatio);

}  // namespace rigscope
