#include "inventory/smbios/tests/dmidecode_text.h"

#include <cstdio>
#include <sstream>

namespace inventory::smbios::testing {

DmidecodeText parseDmidecodeText(std::istream& in) {
  DmidecodeText text;
  std::string line;
  DmidecodeBlock* block = nullptr;
  while (std::getline(in, line)) {
    unsigned handle = 0;
    int type = 0;
    int length = 0;
    char major[16] = {};
    if (std::sscanf(line.c_str(), "Handle 0x%x, DMI type %d, %d bytes", &handle, &type, &length) == 3) {
      text.blocks.push_back({.handle = static_cast<std::uint16_t>(handle), .type = type, .length = length});
      block = &text.blocks.back();
    } else if (std::sscanf(line.c_str(), "SMBIOS %15s present.", major) == 1) {
      text.version = major;
    } else if (block != nullptr && line.size() > 1 && line[0] == '\t' && line[1] != '\t') {
      const std::size_t colon = line.find(':');
      if (colon == std::string::npos) {
        continue;
      }
      const std::string key = line.substr(1, colon - 1);
      // "Key: value"; a bare "Key:" heads a list of two-tab lines.
      const std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
      block->values.emplace(key, value);
    } else if (line.empty()) {
      block = nullptr;
    }
  }
  return text;
}

std::optional<std::uint64_t> dmidecodeSizeBytes(const std::string& text) {
  static const std::map<std::string, int> powers{{"bytes", 0}, {"kB", 1}, {"MB", 2},
                                                 {"GB", 3},    {"TB", 4}, {"PB", 5}};
  std::istringstream in(text);
  std::uint64_t amount = 0;
  std::string unit;
  if (!(in >> amount >> unit) || powers.count(unit) == 0) {
    return std::nullopt;
  }
  return amount << (10 * powers.at(unit));
}

std::optional<std::uint32_t> dmidecodeNumber(const std::string& text) {
  std::istringstream in(text);
  std::uint32_t number = 0;
  if (!(in >> number)) {
    return std::nullopt;
  }
  return number;
}

}  // namespace inventory::smbios::testing
