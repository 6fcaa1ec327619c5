#pragma once

#include <string>

#include "inventory/display.h"
#include "inventory/record.h"

namespace inventory {

// The plain-text system report: five sections, every line ending in CRLF.
// `record` must have passed normalisePlaceholders; `texts` come from it.
[[nodiscard]] std::string buildReport(const InventoryRecord& record, const DisplayTexts& texts);

}  // namespace inventory
