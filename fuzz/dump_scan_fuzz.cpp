// The whole scan of a replayed table: facts, collection, report and lookup
// address. Whatever the table holds, the report keeps its 35 lines and the
// address its nine parameters.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "inventory/error.h"
#include "inventory/facts/fact_source.h"
#include "inventory/facts/smbios_facts.h"
#include "inventory/scan.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void checkReport(const std::string& report) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\n') {
      require(i > 0 && report[i - 1] == '\r');
      ++lines;
    } else if (report[i] == '\r') {
      require(i + 1 < report.size() && report[i + 1] == '\n');
    }
  }
  require(lines == 35);
}

void checkAddress(const std::string& address) {
  require(address.starts_with("http://shop.example/mc/rigscope.asp?manufacturer = "));
  require(std::count(address.begin(), address.end(), '&') == 8);
  require(std::count(address.begin(), address.end(), '=') == 9);
  require(address.find('#') == std::string::npos);
  require(address.ends_with("&site=quillfieldstore"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  inventory::smbios::SmbiosTable table;
  try {
    table = inventory::smbios::parseDump(std::span<const std::uint8_t>(data, size));
  } catch (const inventory::smbios::FormatError&) {
    return 0;
  }
  inventory::FactSource source(inventory::factsFromSmbios(table));
  try {
    const inventory::ScanResult result = inventory::runScan(source, "shop.example", inventory::NumberFormat{"."});
    checkReport(result.systemReport);
    checkAddress(result.lookupAddress);
  } catch (const inventory::InventoryError&) {
    // A clear failure (more modules than the count holds) is a sound answer.
  }
  return 0;
}
