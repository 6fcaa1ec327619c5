#include <iostream>

#include "inventory/system_source.h"
#include "report_command.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <optional>

#include "inventory/error.h"
#include "inventory/wmi/com_initialisation.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The report carries its own CRLF line ends; a text-mode stdout would make them CR CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
  // COM outlives every source the command makes.
  std::optional<inventory::wmi::ComInitialisation> com;
  try {
    com.emplace();
  } catch (const inventory::InventoryError& error) {
    std::cerr << "rigscope-report: " << error.what() << '\n';
    return 1;
  }
#endif
  std::ios::sync_with_stdio(false);
  const rigscope::cli::ReportEnvironment environment{
      .systemSource = inventory::makeSystemSource,
      .vendorHost = RIGSCOPE_VENDOR_HOST,
      .out = std::cout,
      .err = std::cerr,
  };
  return rigscope::cli::runReportCommand(argc, argv, environment);
}
