#include "ui/rendering.h"

#include <QCoreApplication>
#include <QString>

namespace rigscope {
namespace {

QtMessageHandler nextHandler = nullptr;

// Drops the notes the toolkit prints when it finds no OpenGL, which it was
// told not to use, and when the browser engine comes in as a module after the
// application was made, as it does here on purpose; they would look like
// faults to the user.
void dropRenderingNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg &&
      (message.startsWith(QLatin1String("QXcbIntegration: Cannot create platform OpenGL context")) ||
       message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin.")) ||
       message.trimmed() == QLatin1String("No suitable graphics backend found"))) {
    return;
  }
  nextHandler(type, context, message);
}

}  // namespace

void prepareSoftwareRendering() {
  if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
  if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) qputenv("QT_XCB_GL_INTEGRATION", "none");
  // Nothing to share in software: no global OpenGL context is made.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);
  if (nextHandler == nullptr) nextHandler = qInstallMessageHandler(dropRenderingNotes);
}

}  // namespace rigscope
