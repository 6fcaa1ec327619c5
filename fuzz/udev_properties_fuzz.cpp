// The udev memory properties, given as KEY=VALUE lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "inventory/linux/udev_memory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  inventory::linux_facts::UdevProperties properties;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto equals = line.find('=');
    if (equals != std::string_view::npos) {
      properties.insert_or_assign(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
  }
  (void)inventory::linux_facts::parseUdevMemory(properties);
  return 0;
}
