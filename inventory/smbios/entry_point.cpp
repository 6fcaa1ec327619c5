#include "inventory/smbios/entry_point.h"

#include <string>

#include "inventory/smbios/byte_cursor.h"
#include "inventory/smbios/format_error.h"
#include "inventory/smbios/hex.h"

namespace inventory::smbios {
namespace {

constexpr std::string_view smbios3Anchor = "_SM3_";
constexpr std::string_view smbios2Anchor = "_SM_";
constexpr std::string_view dmiAnchor = "_DMI_";

constexpr std::size_t smbios3Length = 0x18;
constexpr std::size_t smbios2Length = 0x1F;
constexpr std::size_t legacyLength = 0x0F;
constexpr std::size_t intermediateOffset = 0x10;

[[nodiscard]] bool hasAnchor(std::span<const std::uint8_t> bytes, std::size_t offset, std::string_view anchor) {
  ByteCursor cursor(bytes, offset);
  const auto found = cursor.bytes(anchor.size());
  if (!cursor.ok()) {
    return false;
  }
  for (std::size_t i = 0; i < anchor.size(); ++i) {
    if (found[i] != static_cast<std::uint8_t>(anchor[i])) {
      return false;
    }
  }
  return true;
}

// The low byte of the sum of `count` bytes from `offset`; 0 for a good checksum.
[[nodiscard]] std::uint8_t byteSum(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count) {
  ByteCursor cursor(bytes, offset);
  unsigned sum = 0;
  for (std::size_t i = 0; i < count; ++i) {
    sum += cursor.u8();
  }
  return static_cast<std::uint8_t>(sum);
}

class EntryPointReader {
 public:
  EntryPointReader(std::span<const std::uint8_t> bytes, std::string_view subject)
      : bytes_(bytes), subject_(subject) {}

  [[nodiscard]] EntryPoint read() const {
    if (hasAnchor(bytes_, 0, smbios3Anchor)) {
      return readSmbios3();
    }
    if (hasAnchor(bytes_, 0, smbios2Anchor)) {
      return readSmbios2();
    }
    if (hasAnchor(bytes_, 0, dmiAnchor)) {
      return readLegacy();
    }
    throw FormatError("not an " + std::string(subject_) + ": no _SM3_, _SM_ or _DMI_ anchor at offset 0");
  }

 private:
  [[noreturn]] void damaged(const std::string& what) const {
    throw FormatError("damaged " + std::string(subject_) + ": " + what);
  }

  void requireBytes(std::string_view anchor, std::size_t length) const {
    if (bytes_.size() < length) {
      damaged(std::string(anchor) + " entry point needs " + std::to_string(length) + " bytes, only " +
              std::to_string(bytes_.size()) + " given");
    }
  }

  void requireChecksum(std::string_view what, std::size_t offset, std::size_t length) const {
    const std::uint8_t sum = byteSum(bytes_, offset, length);
    if (sum != 0) {
      damaged(std::string(what) + " checksum mismatch (its " + std::to_string(length) + " bytes sum to " +
              hex(sum, 2) + ", not 0x00)");
    }
  }

  [[nodiscard]] EntryPoint readSmbios3() const {
    requireBytes(smbios3Anchor, smbios3Length);
    ByteCursor cursor(bytes_, 0x06);
    EntryPoint entry;
    entry.kind = EntryPointKind::Smbios3;
    entry.length = cursor.u8();
    if (entry.length < smbios3Length) {
      damaged("_SM3_ entry point length " + std::to_string(entry.length) + " is below " +
              std::to_string(smbios3Length) + " bytes");
    }
    requireBytes(smbios3Anchor, entry.length);
    requireChecksum("_SM3_", 0, entry.length);
    entry.version.major = cursor.u8();
    entry.version.minor = cursor.u8();
    entry.version.docrev = cursor.u8();
    cursor.seek(0x0C);
    entry.tableLength = cursor.u32();
    entry.tableAddress = cursor.u64();
    return entry;
  }

  [[nodiscard]] EntryPoint readSmbios2() const {
    requireBytes(smbios2Anchor, smbios2Length);
    ByteCursor cursor(bytes_, 0x05);
    EntryPoint entry;
    entry.kind = EntryPointKind::Smbios2;
    entry.length = cursor.u8();
    // Early 2.1 firmware wrote 0x1E here and some firmware 0x20; both are
    // still checksummed over the length they state.
    if (entry.length < smbios2Length - 1 || entry.length > smbios2Length + 1) {
      damaged("_SM_ entry point length " + std::to_string(entry.length) + " is not " +
              std::to_string(smbios2Length) + " bytes");
    }
    requireBytes(smbios2Anchor, entry.length);
    requireChecksum("_SM_", 0, entry.length);
    if (!hasAnchor(bytes_, intermediateOffset, dmiAnchor)) {
      damaged("_SM_ entry point has no _DMI_ anchor at offset 0x10");
    }
    requireChecksum("_DMI_ intermediate", intermediateOffset, legacyLength);
    entry.version.major = cursor.u8();
    entry.version.minor = cursor.u8();
    readDmiFields(intermediateOffset, entry);
    return entry;
  }

  [[nodiscard]] EntryPoint readLegacy() const {
    requireBytes(dmiAnchor, legacyLength);
    requireChecksum("_DMI_", 0, legacyLength);
    EntryPoint entry;
    entry.kind = EntryPointKind::LegacyDmi;
    entry.length = legacyLength;
    readDmiFields(0, entry);
    ByteCursor cursor(bytes_, 0x0E);
    const std::uint8_t bcdRevision = cursor.u8();
    entry.version.major = static_cast<std::uint8_t>(bcdRevision >> 4);
    entry.version.minor = static_cast<std::uint8_t>(bcdRevision & 0x0F);
    return entry;
  }

  // The table fields of a "_DMI_" block, bare or inside "_SM_".
  void readDmiFields(std::size_t offset, EntryPoint& entry) const {
    ByteCursor cursor(bytes_, offset + 0x06);
    entry.tableLength = cursor.u16();
    entry.tableAddress = cursor.u32();
    entry.structureCount = cursor.u16();
  }

  std::span<const std::uint8_t> bytes_;
  std::string_view subject_;
};

}  // namespace

EntryPoint parseEntryPoint(std::span<const std::uint8_t> bytes, std::string_view subject) {
  return EntryPointReader(bytes, subject).read();
}

}  // namespace inventory::smbios
