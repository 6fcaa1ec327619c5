#include "test_support.h"

#include <unistd.h>

#include <QDir>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QQuickWindow>
#include <QTimer>

#include "ui/rendering.h"

namespace rigscope::testing {

void prepareEnvironment() {
  rigscope::prepareSoftwareRendering();
  // Linked in, the engine chose OpenGL before main(); the program never links it.
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  // The renderer cannot be sandboxed as root, and CI runs as root.
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // The browser's start-up report, its notes on the sandbox and the pages' console.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext=false\njs=false\ndefault.info=false"));
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::temp().filePath(QStringLiteral("rigscope-test-runtime-%1").arg(getuid()));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
}

QTimer* answerNextMessageBox(std::function<void(QMessageBox&)> inspect) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect = std::move(inspect)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    inspect(*box);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  });
  poll->start();
  return poll;
}

QStringList itemsOf(const QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
  return items;
}

}  // namespace rigscope::testing
