#include "inventory/smbios/byte_cursor.h"

namespace inventory::smbios {

ByteCursor::ByteCursor(std::span<const std::uint8_t> bytes, std::size_t position) : bytes_(bytes) {
  seek(position);
}

bool ByteCursor::take(std::size_t count, std::size_t& start) {
  // Compared as remaining bytes so that a huge count cannot wrap around.
  if (failed_ || count > remaining()) {
    failed_ = true;
    return false;
  }
  start = position_;
  position_ += count;
  return true;
}

std::uint64_t ByteCursor::littleEndian(std::size_t width) {
  std::size_t start = 0;
  if (!take(width, start)) {
    return 0;
  }
  std::uint64_t value = 0;
  for (std::size_t i = width; i > 0; --i) {
    value = (value << 8) | bytes_[start + i - 1];
  }
  return value;
}

std::uint8_t ByteCursor::u8() { return static_cast<std::uint8_t>(littleEndian(1)); }
std::uint16_t ByteCursor::u16() { return static_cast<std::uint16_t>(littleEndian(2)); }
std::uint32_t ByteCursor::u32() { return static_cast<std::uint32_t>(littleEndian(4)); }
std::uint64_t ByteCursor::u64() { return littleEndian(8); }

std::span<const std::uint8_t> ByteCursor::bytes(std::size_t count) {
  std::size_t start = 0;
  if (!take(count, start)) {
    return {};
  }
  return bytes_.subspan(start, count);
}

void ByteCursor::seek(std::size_t position) {
  if (failed_ || position > bytes_.size()) {
    failed_ = true;
    return;
  }
  position_ = position;
}

void ByteCursor::skip(std::size_t count) {
  std::size_t start = 0;
  (void)take(count, start);
}

}  // namespace inventory::smbios
