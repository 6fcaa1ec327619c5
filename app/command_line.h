#pragma once

#include <optional>
#include <string>
#include <variant>

namespace rigscope {

// What the one command line of the program asks for.
struct CommandLine {
  // A `dmidecode --dump-bin` file to replay instead of this machine.
  std::optional<std::string> dumpPath;
};

// Reads `rigscope [--from-dump FILE]`; anything else gives the usage text.
[[nodiscard]] std::variant<CommandLine, std::string> parseCommandLine(int argc, const char* const argv[]);

// Whether this process runs with root's rights (never so on Windows).
[[nodiscard]] bool runningAsRoot();

// Why this run must not go on as root, or nothing. The browser pane's
// renderer cannot be sandboxed as root and then stays blank, so root runs
// only when the sandbox has been switched off explicitly.
[[nodiscard]] std::optional<std::string> rootRefusal(bool runningAsRoot, const char* disableSandbox);

}  // namespace rigscope
