// The browser pane's module: the one place that links the browser engine, so
// that the program starts without loading it (see ui/browser_pane.h).

#include <QWebEngineProfile>
#include <QWebEngineView>

extern "C" {

Q_DECL_EXPORT QWidget* rigscope_makeBrowserPane(QWidget* parent) { return new QWebEngineView(parent); }

Q_DECL_EXPORT void rigscope_startBrowserEngine() { (void)QWebEngineProfile::defaultProfile(); }

}  // extern "C"
