#include "app/command_line.h"

#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace rigscope {

std::variant<CommandLine, std::string> parseCommandLine(int argc, const char* const argv[]) {
  const std::string usage = "usage: rigscope [--from-dump FILE]";
  if (argc == 1) return CommandLine{};
  if (argc == 3 && std::string_view(argv[1]) == "--from-dump" && argv[2][0] != '\0') {
    return CommandLine{std::string(argv[2])};
  }
  return usage;
}

bool runningAsRoot() {
#ifdef _WIN32
  return false;
#else
  return geteuid() == 0;
#endif
}

std::optional<std::string> rootRefusal(bool runningAsRoot, const char* disableSandbox) {
  if (!runningAsRoot || (disableSandbox != nullptr && std::string_view(disableSandbox) == "1")) return std::nullopt;
  return "Rigscope does not run as root: its browser pane cannot be sandboxed as root and would stay blank. "
         "Run it as your own user; it needs no root rights.";
}

}  // namespace rigscope
