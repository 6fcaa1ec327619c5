#include "app/command_line.h"

#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace rigscope {

std::variant<CommandLine, Notice, UsageError> parseCommandLine(int argc, const char* const argv[]) {
  const std::string usage = "usage: rigscope [--from-dump FILE | --version | --help]";
  if (argc == 1) return CommandLine{};
  const std::string_view option(argv[1]);
  if (argc == 2 && option == "--version") return Notice{RIGSCOPE_VERSION "\n"};
  if (argc == 2 && option == "--help") {
    return Notice{usage +
                  "\n\n"
                  "Shows this machine's memory sockets and modules, and the vendor's upgrade lookup for it.\n"
                  "\n"
                  "  --from-dump FILE  replay a table saved by `dmidecode --dump-bin` instead of this machine\n"
                  "  --version         print the version and end\n"
                  "  --help            print this help and end\n"};
  }
  if (argc == 3 && option == "--from-dump" && argv[2][0] != '\0') return CommandLine{std::string(argv[2])};
  return UsageError{usage};
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
