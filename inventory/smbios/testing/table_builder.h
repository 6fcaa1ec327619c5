#pragma once

// Assembles synthetic SMBIOS entry points, structures and dump files for tests.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace inventory::smbios::testing {

using Bytes = std::vector<std::uint8_t>;

// One structure: a zero-filled formatted area of the declared length with
// fields set at their SMBIOS offsets, followed by its string set.
class StructureBuilder {
 public:
  StructureBuilder(std::uint8_t type, std::uint8_t length, std::uint16_t handle)
      : formatted_(length < 4 ? 4 : length, 0) {
    formatted_[0] = type;
    formatted_[1] = length;
    put(2, handle, 2);
  }

  StructureBuilder& u8(std::size_t offset, std::uint8_t value) { return put(offset, value, 1); }
  StructureBuilder& u16(std::size_t offset, std::uint16_t value) { return put(offset, value, 2); }
  StructureBuilder& u32(std::size_t offset, std::uint32_t value) { return put(offset, value, 4); }
  StructureBuilder& u64(std::size_t offset, std::uint64_t value) { return put(offset, value, 8); }

  // Strings as written, each NUL-terminated, closed by one more NUL.
  StructureBuilder& strings(std::initializer_list<std::string> strings) {
    stringSet_.clear();
    for (const std::string& text : strings) {
      stringSet_.insert(stringSet_.end(), text.begin(), text.end());
      stringSet_.push_back(0);
    }
    return *this;
  }

  // The bytes after the formatted area, verbatim (no terminator added).
  StructureBuilder& rawTail(Bytes tail) {
    rawTail_ = std::move(tail);
    return *this;
  }

  [[nodiscard]] Bytes bytes() const {
    Bytes out = formatted_;
    if (rawTail_) {
      out.insert(out.end(), rawTail_->begin(), rawTail_->end());
      return out;
    }
    if (stringSet_.empty()) {
      out.insert(out.end(), {0, 0});
    } else {
      out.insert(out.end(), stringSet_.begin(), stringSet_.end());
      out.push_back(0);
    }
    return out;
  }

 private:
  StructureBuilder& put(std::size_t offset, std::uint64_t value, std::size_t width) {
    if (offset + width > formatted_.size()) {
      throw std::logic_error("test fixture writes a field past the structure's declared length");
    }
    for (std::size_t i = 0; i < width; ++i) {
      formatted_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return *this;
  }

  Bytes formatted_;
  Bytes stringSet_;
  std::optional<Bytes> rawTail_;
};

[[nodiscard]] inline StructureBuilder endOfTable(std::uint16_t handle = 0xFEFF) { return {127, 4, handle}; }

// Structures back to back, with nothing added.
[[nodiscard]] inline Bytes tableOf(std::initializer_list<StructureBuilder> structures) {
  Bytes table;
  for (const StructureBuilder& structure : structures) {
    const Bytes bytes = structure.bytes();
    table.insert(table.end(), bytes.begin(), bytes.end());
  }
  return table;
}

inline void writeLittleEndian(Bytes& bytes, std::size_t offset, std::uint64_t value, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) {
    bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

// Sets bytes[checksumOffset] so that `count` bytes from `start` sum to 0.
inline void fixChecksum(Bytes& bytes, std::size_t start, std::size_t count, std::size_t checksumOffset) {
  bytes.at(checksumOffset) = 0;
  unsigned sum = 0;
  for (std::size_t i = start; i < start + count; ++i) {
    sum += bytes.at(i);
  }
  bytes.at(checksumOffset) = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

enum class EntryKind { Smbios3, Smbios2, LegacyDmi };

struct EntryFields {
  std::uint64_t tableAddress = 0x20;
  std::uint32_t tableLength = 0;
  std::uint16_t structureCount = 0;  // ignored for 3.x
};

// A valid entry point of the given kind, versions 3.2.1, 2.8 and 2.1.
[[nodiscard]] inline Bytes entryPoint(EntryKind kind, const EntryFields& fields) {
  switch (kind) {
    case EntryKind::Smbios3: {
      Bytes ep{'_', 'S', 'M', '3', '_'};
      ep.resize(0x18, 0);
      ep[0x06] = 0x18;
      ep[0x07] = 3;
      ep[0x08] = 2;
      ep[0x09] = 1;
      ep[0x0A] = 1;
      writeLittleEndian(ep, 0x0C, fields.tableLength, 4);
      writeLittleEndian(ep, 0x10, fields.tableAddress, 8);
      fixChecksum(ep, 0, 0x18, 0x05);
      return ep;
    }
    case EntryKind::Smbios2: {
      Bytes ep{'_', 'S', 'M', '_'};
      ep.resize(0x1F, 0);
      ep[0x05] = 0x1F;
      ep[0x06] = 2;
      ep[0x07] = 8;
      for (std::size_t i = 0; i < 5; ++i) {
        ep[0x10 + i] = static_cast<std::uint8_t>("_DMI_"[i]);
      }
      writeLittleEndian(ep, 0x16, fields.tableLength, 2);
      writeLittleEndian(ep, 0x18, fields.tableAddress, 4);
      writeLittleEndian(ep, 0x1C, fields.structureCount, 2);
      ep[0x1E] = 0x28;
      fixChecksum(ep, 0x10, 0x0F, 0x15);
      fixChecksum(ep, 0, 0x1F, 0x04);
      return ep;
    }
    case EntryKind::LegacyDmi: {
      Bytes ep{'_', 'D', 'M', 'I', '_'};
      ep.resize(0x0F, 0);
      writeLittleEndian(ep, 0x06, fields.tableLength, 2);
      writeLittleEndian(ep, 0x08, fields.tableAddress, 4);
      writeLittleEndian(ep, 0x0C, fields.structureCount, 2);
      ep[0x0E] = 0x21;
      fixChecksum(ep, 0, 0x0F, 0x05);
      return ep;
    }
  }
  throw std::logic_error("unknown entry point kind");
}

// A file in dump layout: the entry point, zeros up to 0x20, then the table.
[[nodiscard]] inline Bytes dumpFile(const Bytes& entry, const Bytes& table) {
  Bytes file = entry;
  file.resize(0x20, 0);
  file.insert(file.end(), table.begin(), table.end());
  return file;
}

// The usual dump: a 3.x entry point whose length is the table's.
[[nodiscard]] inline Bytes dumpOf(const Bytes& table, EntryKind kind = EntryKind::Smbios3,
                                  std::uint16_t structureCount = 0) {
  return dumpFile(entryPoint(kind, {.tableLength = static_cast<std::uint32_t>(table.size()),
                                    .structureCount = structureCount}),
                  table);
}

}  // namespace inventory::smbios::testing
