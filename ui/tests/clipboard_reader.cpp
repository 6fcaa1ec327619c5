// Prints what the X clipboard offers, as another program sees it: the
// formats on the first line, comma-separated, then the plain text as is.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstdio>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return 1;
  const QByteArray formats = data->formats().join(QLatin1Char(',')).toUtf8();
  const QByteArray text = data->text().toUtf8();
  std::fwrite(formats.constData(), 1, formats.size(), stdout);
  std::fputc('\n', stdout);
  std::fwrite(text.constData(), 1, text.size(), stdout);
  return 0;
}
