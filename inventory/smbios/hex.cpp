#include "inventory/smbios/hex.h"

#include <charconv>

namespace inventory::smbios {

std::string hex(std::uint64_t value, int digits) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  if (static_cast<int>(text.size()) < digits) {
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  }
  return "0x" + text;
}

}  // namespace inventory::smbios
