#include "inventory/display.h"

namespace inventory {
namespace {

// Firmware leaves texts such as "System manufacturer" or "System Version" in
// fields it never filled; any text containing "System" counts as one.
void replacePlaceholder(InventoryValue& field) {
  if (field.isText() && field.asText().find("System") != std::string::npos) {
    field = InventoryValue::text(std::string(notAvailable));
  }
}

}  // namespace

void normalisePlaceholders(InventoryRecord& record) {
  replacePlaceholder(record.systemManufacturer);
  replacePlaceholder(record.productVersion);
  replacePlaceholder(record.systemModel);
  replacePlaceholder(record.productIdentifyingNumber);
}

std::string formatCapacity(double gb, const NumberFormat& format) {
  if (gb >= 1) return valueText(gb, format) + " GB";
  return valueText(unitBase * gb, format) + " MB";
}

std::string buildSlotSummary(const InventoryRecord& record) {
  return valueText(record.memoryDevices) + "  (Currently Memory in " + std::to_string(record.populatedSlots) +
         " Slots)";
}

DisplayTexts buildDisplayTexts(const InventoryRecord& record, const NumberFormat& format) {
  return DisplayTexts{
      .installedText = formatCapacity(record.installedGb, format),
      .maximumText = formatCapacity(record.maximumGb, format),
      .slotSummary = buildSlotSummary(record),
  };
}

}  // namespace inventory
