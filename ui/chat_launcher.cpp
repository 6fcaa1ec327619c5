#include "ui/chat_launcher.h"

#include <QProcess>
#include <QStringList>
#include <utility>

namespace rigscope {

QString chatAddress(const QString& host) {
  return QStringLiteral("http://") + host + QStringLiteral("/support/UserPreChat.aspx?ref=CustomerScanWindow");
}

QString ChatLauncher::platformBrowser() {
#ifdef Q_OS_WIN
  return QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe");
#else
  return QStringLiteral("xdg-open");
#endif
}

ChatLauncher::ChatLauncher(QString browserProgram) : browserProgram_(std::move(browserProgram)) {}

bool ChatLauncher::open(const QString& address) const {
  return QProcess::startDetached(browserProgram_, {address});
}

}  // namespace rigscope
