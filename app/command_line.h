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

// A text for standard output, after which the program ends with status 0
// (`--version`, `--help`); no window and no scan needed for it.
struct Notice {
  std::string text;
};

// A wrong command line: the usage line for standard error, status 2.
struct UsageError {
  std::string usage;
};

// Reads `rigscope [--from-dump FILE | --version | --help]`.
[[nodiscard]] std::variant<CommandLine, Notice, UsageError> parseCommandLine(int argc, const char* const argv[]);

// Whether this process runs with root's rights (never so on Windows).
[[nodiscard]] bool runningAsRoot();

// Why this run must not go on as root, or nothing. The browser pane's
// renderer cannot be sandboxed as root and then stays blank, so root runs
// only when the sandbox has been switched off explicitly.
[[nodiscard]] std::optional<std::string> rootRefusal(bool runningAsRoot, const char* disableSandbox);

}  // namespace rigscope
