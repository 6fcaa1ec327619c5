#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace inventory {

// The Windows MemoryType enumeration value for an SMBIOS memory type code
// (type 17, offset 0x12). Codes newer than the Windows list give the SMBIOS
// code itself; reserved codes give 0 (Unknown).
[[nodiscard]] std::int64_t win32MemoryType(std::uint8_t smbiosCode);

// The SMBIOS code of a memory type name as the SMBIOS reference writes it
// ("DDR4", "DDR2 FB-DIMM"), matched without regard to case.
[[nodiscard]] std::optional<std::uint8_t> smbiosMemoryTypeCode(std::string_view name);

}  // namespace inventory
