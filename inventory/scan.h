#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "inventory/display.h"
#include "inventory/record.h"
#include "inventory/source.h"

namespace inventory {

// The product of one scan.
struct ScanResult {
  InventoryRecord record;  // normalised
  DisplayTexts texts;
  std::vector<ModuleRow> rows;
  std::string systemReport;
  std::string lookupAddress;
};

// Runs one complete scan: collection, placeholder rule, display texts, report
// and lookup address, in that order. Returns only when every stage succeeded;
// otherwise throws the InventoryError of the stage that failed.
[[nodiscard]] ScanResult runScan(InventorySource& source, std::string_view host,
                                 const NumberFormat& format = NumberFormat::user());

}  // namespace inventory
