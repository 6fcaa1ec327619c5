#pragma once

#include <memory>

#include "inventory/facts/dump_source.h"
#include "inventory/source.h"

namespace inventory {

// The inventory source of the Linux machine this runs on. Needs no root: it
// reads the SMBIOS table where it may, and the files every user may read
// otherwise. Facts are gathered on the first connect.
[[nodiscard]] std::unique_ptr<InventorySource> makeSystemSource();

}  // namespace inventory
