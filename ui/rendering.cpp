#include "ui/rendering.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QString>

namespace rigscope {
namespace {

QtMessageHandler nextHandler = nullptr;

// Drops the two notes the toolkit prints when it finds the OpenGL it was
// told not to use missing; they would look like faults to the user.
void dropRenderingNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg &&
      (message.startsWith(QLatin1String("QXcbIntegration: Cannot create platform OpenGL context")) ||
       message.trimmed() == QLatin1String("No suitable graphics backend found"))) {
    return;
  }
  nextHandler(type, context, message);
}

}  // namespace

void prepareSoftwareRendering() {
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  // Nothing to share in software: the browser engine makes no global context.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  if (nextHandler == nullptr) nextHandler = qInstallMessageHandler(dropRenderingNotes);
}

}  // namespace rigscope
