// The entry point and structure table reader, over a dump file and over the
// same bytes split into the two sysfs files.
#include <cstddef>
#include <cstdint>
#include <span>

#include "inventory/smbios/table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    (void)inventory::smbios::parseDump(bytes);
  } catch (const inventory::smbios::FormatError&) {
  }
  if (size > 0) {
    const std::size_t split = data[0] % (size + 1 > 64 ? 64 : size + 1);
    try {
      (void)inventory::smbios::parseTable(bytes.first(split), bytes.subspan(split));
    } catch (const inventory::smbios::FormatError&) {
    }
  }
  return 0;
}
