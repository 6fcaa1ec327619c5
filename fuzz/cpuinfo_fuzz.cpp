#include <cstddef>
#include <cstdint>
#include <string_view>

#include "inventory/linux/proc_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)inventory::linux_facts::parseCpuInfo(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
