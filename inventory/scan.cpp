#include "inventory/scan.h"

#include "inventory/lookup.h"
#include "inventory/report.h"

namespace inventory {

ScanResult runScan(InventorySource& source, std::string_view host, const NumberFormat& format) {
  ScanResult result;
  result.record = collectInventory(source, format);
  normalisePlaceholders(result.record);
  result.texts = buildDisplayTexts(result.record, format);
  result.rows = result.record.moduleRows;
  result.systemReport = buildReport(result.record, result.texts);
  result.lookupAddress = buildLookupAddress(result.record, result.texts, host);
  return result;
}

}  // namespace inventory
