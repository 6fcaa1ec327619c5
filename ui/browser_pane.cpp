#include "ui/browser_pane.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <cstdio>

namespace rigscope {
namespace {

using MakePane = QWidget* (*)(QWidget*);
using StartEngine = void (*)();

// The loaded module, looked for beside the program, where an installation
// keeps it, and where this build made it; null when it is nowhere.
QLibrary* browserModule() {
  static QLibrary* const module = [] {
    const QString name = QStringLiteral(RIGSCOPE_BROWSER_MODULE_NAME);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList candidates = {programFolder.filePath(name),
                                    programFolder.filePath(QStringLiteral("../lib/rigscope/") + name),
                                    QStringLiteral(RIGSCOPE_BROWSER_MODULE_BUILT)};
    QString failures;
    for (const QString& path : candidates) {
      auto* library = new QLibrary(path);
      // The engine cannot be unloaded safely; it stays until the program ends.
      library->setLoadHints(QLibrary::PreventUnloadHint);
      if (library->load()) return library;
      failures += QStringLiteral("\n  ") + library->errorString();
      delete library;
    }
    std::fprintf(stderr, "rigscope: cannot load the browser pane module %s:%s\n", qPrintable(name),
                 qPrintable(failures));
    return static_cast<QLibrary*>(nullptr);
  }();
  return module;
}

template <typename Function>
Function resolve(const char* symbol) {
  QLibrary* module = browserModule();
  return module != nullptr ? reinterpret_cast<Function>(module->resolve(symbol)) : nullptr;
}

}  // namespace

QWidget* makeBrowserPane(QWidget* parent) {
  if (const auto make = resolve<MakePane>("rigscope_makeBrowserPane")) return make(parent);
  return new QWidget(parent);
}

void startBrowserEngine() {
  if (const auto start = resolve<StartEngine>("rigscope_startBrowserEngine")) start();
}

void navigate(QWidget* pane, const QUrl& address) {
  // The view's url property loads the address; a stand-in pane has none.
  pane->setProperty("url", address);
}

}  // namespace rigscope
