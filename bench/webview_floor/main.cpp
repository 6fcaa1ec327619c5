// A bare web view showing one small page in a window of its own, drawn in
// software as Rigscope draws its browser pane: the least memory that pane can
// take, for bench/startup to set Rigscope's peak beside.
#include <QApplication>
#include <QLoggingCategory>
#include <QWebEngineView>

int main(int argc, char* argv[]) {
  // The settings of ui/rendering.cpp, so both draw the same way.
  if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
  QApplication app(argc, argv);

  QWebEngineView view;
  view.resize(769, 289);  // the size of Rigscope's pane
  view.setHtml(QStringLiteral("<!DOCTYPE html><title>Floor</title><p>One small page.</p>"));
  view.show();
  return QApplication::exec();
}
