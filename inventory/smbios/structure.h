#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace inventory::smbios {

// One structure of the table, as the walk found it. Field reads take the
// offsets the SMBIOS tables give (header included) and return nothing for a
// field that the structure's declared length does not cover.
struct Structure {
  std::uint8_t type = 0;
  std::uint16_t handle = 0;
  std::size_t offset = 0;                   // where it starts in the table
  std::span<const std::uint8_t> formatted;  // the declared length, header included
  std::span<const std::uint8_t> strings;    // the string set without its closing double NUL

  [[nodiscard]] std::size_t length() const { return formatted.size(); }

  [[nodiscard]] std::optional<std::uint8_t> byteAt(std::size_t offset) const;
  [[nodiscard]] std::optional<std::uint16_t> wordAt(std::size_t offset) const;
  [[nodiscard]] std::optional<std::uint32_t> dwordAt(std::size_t offset) const;
  [[nodiscard]] std::optional<std::uint64_t> qwordAt(std::size_t offset) const;

  // The string named by the index byte at `offset`, made readable. Absent
  // when the byte is not covered, is 0, or names no string of the set.
  [[nodiscard]] std::optional<std::string> stringAt(std::size_t offset) const;
};

}  // namespace inventory::smbios
