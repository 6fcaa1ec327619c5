#include "inventory/smbios/structure_walk.h"

#include <algorithm>
#include <array>

#include "inventory/smbios/byte_cursor.h"
#include "inventory/smbios/hex.h"

namespace inventory::smbios {
namespace {

constexpr std::uint8_t inactiveType = 126;
constexpr std::uint8_t endOfTableType = 127;
constexpr std::size_t headerLength = 4;
// Handles are 16 bits wide, so a sound table never holds more structures;
// the bound keeps a table of millions of tiny structures from costing more
// than a real one.
constexpr std::size_t maxStructures = 65536;

[[nodiscard]] std::string describe(std::size_t offset, std::uint8_t type) {
  return "structure of type " + std::to_string(type) + " at table offset " + hex(offset, 4);
}

// The string set at the cursor, up to the first double NUL, with the cursor
// moved past that. Nothing, and the cursor unmoved, when the bytes end first.
[[nodiscard]] std::optional<std::span<const std::uint8_t>> readStringSet(ByteCursor& cursor) {
  static constexpr std::array<std::uint8_t, 2> doubleNul{0, 0};
  const auto rest = cursor.rest();
  const auto terminator = std::search(rest.begin(), rest.end(), doubleNul.begin(), doubleNul.end());
  if (terminator == rest.end()) {
    return std::nullopt;
  }
  const auto set = cursor.bytes(static_cast<std::size_t>(terminator - rest.begin()));
  cursor.skip(doubleNul.size());
  return set;
}

}  // namespace

StructureWalk walkStructures(std::span<const std::uint8_t> table, std::optional<std::uint16_t> structureCount) {
  StructureWalk walk;
  ByteCursor cursor(table);
  std::size_t seen = 0;
  // Each pass consumes at least a header and a double NUL, so the loop ends.
  while (cursor.remaining() >= headerLength) {
    if (structureCount && *structureCount != 0 && seen == *structureCount) {
      break;
    }
    if (seen == maxStructures) {
      walk.damage = "more than " + std::to_string(maxStructures) + " structures; the rest of the table was not read";
      break;
    }
    Structure structure;
    structure.offset = cursor.position();
    structure.type = cursor.u8();
    const std::uint8_t length = cursor.u8();
    structure.handle = cursor.u16();
    if (length < headerLength) {
      walk.damage = describe(structure.offset, structure.type) + " declares a length of " + std::to_string(length) +
                    " bytes, less than its own header, so the next structure cannot be found";
      break;
    }
    cursor.seek(structure.offset);
    structure.formatted = cursor.bytes(length);
    if (!cursor.ok()) {
      walk.damage = describe(structure.offset, structure.type) + " declares " + std::to_string(length) +
                    " bytes, but the table ends after " + std::to_string(cursor.remaining());
      break;
    }
    const auto strings = readStringSet(cursor);
    if (!strings) {
      walk.damage = describe(structure.offset, structure.type) +
                    " has a string set that runs past the end of the table (no double NUL)";
      break;
    }
    structure.strings = *strings;
    ++seen;
    if (structure.type == endOfTableType) {
      break;
    }
    if (structure.type != inactiveType) {
      walk.structures.push_back(structure);
    }
  }
  return walk;
}

}  // namespace inventory::smbios

