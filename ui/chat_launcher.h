#pragma once

#include <QString>

namespace rigscope {

// The vendor's support-chat page on `host` (which may carry a port).
[[nodiscard]] QString chatAddress(const QString& host);

// Opens an address in a browser: the browser program is started detached
// with the address as its single argument, never through a shell.
class ChatLauncher final {
 public:
  // The platform's browser: xdg-open on Linux, the fixed browser on Windows.
  [[nodiscard]] static QString platformBrowser();

  explicit ChatLauncher(QString browserProgram = platformBrowser());

  // False when the browser process cannot be started.
  [[nodiscard]] bool open(const QString& address) const;

  [[nodiscard]] const QString& browserProgram() const { return browserProgram_; }

 private:
  QString browserProgram_;
};

}  // namespace rigscope
