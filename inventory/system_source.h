#pragma once

#include <memory>

#include "inventory/source.h"

namespace inventory {

// The inventory source of the machine this runs on. Each platform's library
// provides it (link `inventory_system`): on Linux it reads the SMBIOS table
// where it may and the files every user may read otherwise; on Windows it
// asks the management service. Needs no administrator rights.
[[nodiscard]] std::unique_ptr<InventorySource> makeSystemSource();

}  // namespace inventory
