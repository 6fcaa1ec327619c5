#pragma once

#include <filesystem>
#include <memory>

#include "inventory/source.h"

namespace inventory {

// A source answering from a file in `dmidecode --dump-bin` layout, for
// replaying a table taken on another machine. Throws InventoryError when the
// file cannot be read or holds no valid SMBIOS table.
[[nodiscard]] std::unique_ptr<InventorySource> makeDumpSource(const std::filesystem::path& path);

}  // namespace inventory
