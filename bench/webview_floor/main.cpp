// A bare web view showing one small page in a window of its own, drawn in
// software as Rigscope draws its browser pane: the least memory that pane can
// take, for bench/startup to set Rigscope's peak beside.
#include <QApplication>
#include <QLoggingCategory>
#include <QWebEngineView>

#include "ui/rendering.h"

int main(int argc, char* argv[]) {
  rigscope::prepareSoftwareRendering();
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  QApplication app(argc, argv);

  QWebEngineView view;
  view.resize(769, 289);  // the size of Rigscope's pane
  view.setHtml(QStringLiteral("<!DOCTYPE html><title>Floor</title><p>One small page.</p>"));
  view.show();
  return QApplication::exec();
}
