#pragma once

#include <nlohmann/json.hpp>

#include "inventory/scan.h"

namespace rigscope::cli {

// The whole scan result as JSON: every record field with its state, the
// display texts, the module rows, the report and the lookup address.
[[nodiscard]] nlohmann::ordered_json scanToJson(const inventory::ScanResult& result);

}  // namespace rigscope::cli
