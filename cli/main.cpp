#include <iostream>

#include "inventory/system_source.h"
#include "report_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const rigscope::cli::ReportEnvironment environment{
      .systemSource = inventory::makeSystemSource,
      .vendorHost = RIGSCOPE_VENDOR_HOST,
      .out = std::cout,
      .err = std::cerr,
  };
  return rigscope::cli::runReportCommand(argc, argv, environment);
}
