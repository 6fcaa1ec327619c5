#include <cstddef>
#include <cstdint>
#include <string_view>

#include "inventory/linux/proc_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)inventory::linux_facts::parseMemTotalKb(text);
  (void)inventory::linux_facts::systemTypeOf(text);
  return 0;
}
