#include "inventory/facts/memory_type.h"

#include <array>

#include "inventory/query_text.h"

namespace inventory {
namespace {

// Memory type names by SMBIOS code, from 0x01 (SMBIOS reference, type 17
// "Memory Device — Type" table). Empty names are reserved codes.
constexpr std::array<std::string_view, 0x24> memoryTypeNames = {
    "Other", "Unknown", "DRAM", "EDRAM", "VRAM", "SRAM", "RAM", "ROM", "Flash",
    "EEPROM", "FEPROM", "EPROM", "CDRAM", "3DRAM", "SDRAM", "SGRAM", "RDRAM", "DDR",
    "DDR2", "DDR2 FB-DIMM", "", "", "", "DDR3", "FBD2", "DDR4", "LPDDR",
    "LPDDR2", "LPDDR3", "LPDDR4", "Logical non-volatile device", "HBM", "HBM2", "DDR5", "LPDDR5", "HBM3",
};

}  // namespace

std::int64_t win32MemoryType(std::uint8_t code) {
  if (code == 0x01) return 1;               // Other
  if (code == 0x02) return 0;               // Unknown
  if (code == 0x03) return 2;               // DRAM
  if (code >= 0x04 && code <= 0x14) return code + 2;  // EDRAM 6 ... DDR2 FB-DIMM 22
  if (code >= 0x18 && code <= 0x1A) return code;      // DDR3 24, FBD2 25, DDR4 26
  if (code > 0x1A && code <= memoryTypeNames.size()) return code;  // unnamed on Windows
  return 0;
}

std::optional<std::uint8_t> smbiosMemoryTypeCode(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (std::size_t i = 0; i < memoryTypeNames.size(); ++i) {
    if (equalsIgnoreCase(memoryTypeNames[i], name)) return static_cast<std::uint8_t>(i + 1);
  }
  return std::nullopt;
}

}  // namespace inventory
