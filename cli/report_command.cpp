#include "report_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "inventory/error.h"
#include "inventory/facts/dump_source.h"
#include "inventory/scan.h"
#include "scan_json.h"

namespace rigscope::cli {
namespace {

enum class Output { Report, LookupAddress, Json };

void print(const inventory::ScanResult& result, Output output, std::ostream& out) {
  switch (output) {
    case Output::Report:
      out << result.systemReport;  // CRLF line ends, exactly as copied to the clipboard
      break;
    case Output::LookupAddress:
      out << result.lookupAddress << '\n';
      break;
    case Output::Json:
      out << scanToJson(result).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
      break;
  }
}

}  // namespace

int runReportCommand(int argc, const char* const* argv, const ReportEnvironment& environment) {
  CLI::App app("Prints the system report of this machine, as Rigscope copies it to the clipboard.",
               "rigscope-report");
  app.set_version_flag("--version", RIGSCOPE_VERSION, "Print the version and exit");
  bool lookupAddress = false;
  bool json = false;
  std::string dumpPath;
  auto* addressFlag = app.add_flag("--lookup-address", lookupAddress, "Print the upgrade-lookup address instead");
  app.add_flag("--json", json, "Print the whole scan result as JSON instead")->excludes(addressFlag);
  app.add_option("--from-dump", dumpPath, "Scan a table saved by `dmidecode --dump-bin` instead of this machine")
      ->type_name("FILE");

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& success) {
    return app.exit(success, environment.out, environment.err);
  } catch (const CLI::ParseError& error) {
    environment.err << "rigscope-report: " << error.what() << " (see --help)\n";
    return 2;
  }

  try {
    const auto source = dumpPath.empty() ? environment.systemSource() : inventory::makeDumpSource(dumpPath);
    const Output output = json ? Output::Json : lookupAddress ? Output::LookupAddress : Output::Report;
    print(inventory::runScan(*source, environment.vendorHost), output, environment.out);
    environment.out.flush();
  } catch (const inventory::InventoryError& error) {
    environment.err << "rigscope-report: " << error.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace rigscope::cli
