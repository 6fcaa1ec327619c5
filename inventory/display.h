#pragma once

#include <string>

#include "inventory/record.h"

namespace inventory {

// The three derived texts of a scan.
struct DisplayTexts {
  std::string installedText;  // e.g. "7.89 GB"
  std::string maximumText;    // e.g. "32 GB"
  std::string slotSummary;    // e.g. "4  (Currently Memory in 2 Slots)"

  friend bool operator==(const DisplayTexts&, const DisplayTexts&) = default;
};

// The text firmware placeholders are replaced by.
inline constexpr std::string_view notAvailable = "Not Available";

// Replaces the firmware placeholder texts (any text containing "System") of
// the system manufacturer, product version, model and identifying number.
void normalisePlaceholders(InventoryRecord& record);

// Writes a size in gigabytes as "<n> GB", or as "<n> MB" below 1 GB.
[[nodiscard]] std::string formatCapacity(double gb, const NumberFormat& format = NumberFormat::user());

// The socket count, then how many modules are installed.
[[nodiscard]] std::string buildSlotSummary(const InventoryRecord& record);

[[nodiscard]] DisplayTexts buildDisplayTexts(const InventoryRecord& record,
                                             const NumberFormat& format = NumberFormat::user());

}  // namespace inventory
