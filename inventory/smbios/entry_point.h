#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "inventory/smbios/version.h"

namespace inventory::smbios {

enum class EntryPointKind {
  Smbios3,    // "_SM3_", 24 bytes, 64-bit table address
  Smbios2,    // "_SM_", 31 bytes, with the "_DMI_" intermediate anchor at 0x10
  LegacyDmi,  // a bare "_DMI_", 15 bytes
};

// What an entry point says about the structure table that follows it.
struct EntryPoint {
  EntryPointKind kind = EntryPointKind::Smbios3;
  SmbiosVersion version;
  std::size_t length = 0;  // bytes of the entry point itself
  std::uint64_t tableAddress = 0;
  // The exact table length for 2.x and legacy; only an upper bound for 3.x.
  std::uint32_t tableLength = 0;
  // 2.x and legacy entry points also count the structures; 3.x does not.
  std::optional<std::uint16_t> structureCount;
};

// Reads the entry point at offset 0 of `bytes` and checks its anchors,
// length and checksums. `subject` names the input in error messages.
// Throws FormatError saying what is wrong.
[[nodiscard]] EntryPoint parseEntryPoint(std::span<const std::uint8_t> bytes,
                                         std::string_view subject = "SMBIOS entry point");

}  // namespace inventory::smbios
