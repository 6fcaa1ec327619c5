#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "inventory/source.h"

namespace rigscope::cli {

// What the command works with, handed in so tests can replace the machine.
struct ReportEnvironment {
  std::function<std::unique_ptr<inventory::InventorySource>()> systemSource;
  std::string vendorHost;
  std::ostream& out;
  std::ostream& err;
};

// Runs `rigscope-report` with its command line and returns the exit status:
// 0 on success, 1 when the scan or the dump fails, 2 for a wrong command line.
[[nodiscard]] int runReportCommand(int argc, const char* const* argv, const ReportEnvironment& environment);

}  // namespace rigscope::cli
