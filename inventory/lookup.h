#pragma once

#include <string>
#include <string_view>

#include "inventory/display.h"
#include "inventory/record.h"

namespace inventory {

// The vendor's upgrade-lookup address for this machine: nine query parameters
// in fixed order. `record` must have passed normalisePlaceholders.
[[nodiscard]] std::string buildLookupAddress(const InventoryRecord& record, const DisplayTexts& texts,
                                             std::string_view host);

}  // namespace inventory
