// Renders one SVG drawing into a square PNG for the desktop's icon theme,
// with the same renderer the windows draw their icon with.
// Usage: render_icon DRAWING.svg SIZE OUT.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon DRAWING.svg SIZE OUT.png\n");
    return 2;
  }
  const QString drawing = QString::fromLocal8Bit(argv[1]);
  bool sizeOk = false;
  const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeOk);
  if (!sizeOk || size < 1 || size > 1024) {
    std::fprintf(stderr, "render_icon: %s is no icon size\n", argv[2]);
    return 2;
  }

  QSvgRenderer renderer(drawing);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read the drawing %s\n", argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
