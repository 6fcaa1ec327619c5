#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace inventory::smbios {

// The one reader of SMBIOS bytes. Every read is bounds-checked: a read that
// does not fit leaves the position where it was, returns zero or an empty
// span, and sets an error that stays until clearError(). While the error is
// set every later read fails too, so a run of reads needs one check at the end.
// Multi-byte values are little-endian, as all SMBIOS fields are.
class ByteCursor final {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> bytes, std::size_t position = 0);

  [[nodiscard]] std::uint8_t u8();
  [[nodiscard]] std::uint16_t u16();
  [[nodiscard]] std::uint32_t u32();
  [[nodiscard]] std::uint64_t u64();
  [[nodiscard]] std::span<const std::uint8_t> bytes(std::size_t count);
  // The bytes not read yet, for a bounded search; the position stays.
  [[nodiscard]] std::span<const std::uint8_t> rest() const { return bytes_.subspan(position_); }

  // Moves to an absolute position; a position past the end is an error.
  void seek(std::size_t position);
  void skip(std::size_t count);

  [[nodiscard]] std::size_t position() const { return position_; }
  [[nodiscard]] std::size_t size() const { return bytes_.size(); }
  [[nodiscard]] std::size_t remaining() const { return bytes_.size() - position_; }
  [[nodiscard]] bool atEnd() const { return position_ == bytes_.size(); }

  [[nodiscard]] bool ok() const { return !failed_; }
  void clearError() { failed_ = false; }

 private:
  // Reserves count bytes at the position, or fails without moving.
  [[nodiscard]] bool take(std::size_t count, std::size_t& start);
  [[nodiscard]] std::uint64_t littleEndian(std::size_t width);

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

}  // namespace inventory::smbios
