#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "inventory/smbios/structure.h"

namespace inventory::smbios {

// The structures of a table in table order, without inactive ones (type 126)
// and without the end-of-table marker (type 127).
struct StructureWalk {
  std::vector<Structure> structures;
  // Set when a damaged structure ended the walk early; says where and why.
  // The structures before it are kept.
  std::optional<std::string> damage;
};

// Walks the table from offset 0 and never reads past `table`. Stops at type
// 127, at the end of the bytes, or after `structureCount` structures when one
// is given and not 0. Structures point into `table`, which must outlive them.
[[nodiscard]] StructureWalk walkStructures(std::span<const std::uint8_t> table,
                                           std::optional<std::uint16_t> structureCount = std::nullopt);

}  // namespace inventory::smbios
