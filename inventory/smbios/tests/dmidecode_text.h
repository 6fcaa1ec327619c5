#pragma once

// Reads the text `dmidecode` prints for a table, so real dumps can be checked
// against an independent decoding.

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace inventory::smbios::testing {

// One "Handle 0x0011, DMI type 17, 40 bytes" block and its one-tab
// "Key: Value" lines. Values are kept byte for byte, trailing spaces included.
struct DmidecodeBlock {
  std::uint16_t handle = 0;
  int type = -1;
  int length = 0;
  std::map<std::string, std::string> values{};

  // The value printed for `key`, or nullopt when dmidecode printed no such line.
  [[nodiscard]] std::optional<std::string> value(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
};

struct DmidecodeText {
  std::string version;  // as in "SMBIOS 3.1.1 present."
  std::vector<DmidecodeBlock> blocks;

  [[nodiscard]] std::vector<DmidecodeBlock> ofType(int type) const {
    std::vector<DmidecodeBlock> found;
    for (const DmidecodeBlock& block : blocks) {
      if (block.type == type) {
        found.push_back(block);
      }
    }
    return found;
  }
};

[[nodiscard]] DmidecodeText parseDmidecodeText(std::istream& in);

// "16 GB", "2 MB", "512 kB" and the like as a number of bytes.
[[nodiscard]] std::optional<std::uint64_t> dmidecodeSizeBytes(const std::string& text);

// The leading decimal number of "2400 MT/s", "100 MHz" or "8"; nullopt for "Unknown".
[[nodiscard]] std::optional<std::uint32_t> dmidecodeNumber(const std::string& text);

}  // namespace inventory::smbios::testing
