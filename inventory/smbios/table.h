#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "inventory/smbios/format_error.h"
#include "inventory/smbios/records.h"
#include "inventory/smbios/version.h"

namespace inventory::smbios {

// The structures Rigscope reads from one SMBIOS table, each list in table order.
struct SmbiosTable {
  SmbiosVersion version;
  std::vector<BiosInfo> bios;
  std::vector<SystemInfo> systems;
  std::vector<BaseboardInfo> baseboards;
  std::vector<ProcessorInfo> processors;
  std::vector<MemoryArrayInfo> memoryArrays;
  std::vector<MemoryDeviceInfo> memoryDevices;
  // Set when a damaged structure ended the walk before the end of the table:
  // the lists hold what came before it, and this says where and why.
  std::optional<std::string> truncation;

  [[nodiscard]] bool truncated() const { return truncation.has_value(); }

  friend bool operator==(const SmbiosTable&, const SmbiosTable&) = default;
};

// Decodes the two files Linux shows under /sys/firmware/dmi/tables/:
// `smbios_entry_point` and `DMI`, the table itself from offset 0. The entry
// point's table address is ignored; its length bounds the walk, and so does
// the end of `tableBytes`. Throws FormatError for a bad entry point.
[[nodiscard]] SmbiosTable parseTable(std::span<const std::uint8_t> entryPointBytes,
                                     std::span<const std::uint8_t> tableBytes);

// Decodes a file in `dmidecode --dump-bin` layout: the entry point at offset
// 0 and the table at the address it gives. Throws FormatError for a bad
// entry point or a table that does not lie inside the file.
[[nodiscard]] SmbiosTable parseDump(std::span<const std::uint8_t> fileBytes);

}  // namespace inventory::smbios
