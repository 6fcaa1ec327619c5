#include "inventory/smbios/strings.h"

#include "inventory/smbios/byte_cursor.h"

namespace inventory::smbios {
namespace {

// Well-formed UTF-8 as RFC 3629 defines it: no overlong forms, no
// surrogates, nothing past U+10FFFF.
[[nodiscard]] bool isValidUtf8(std::span<const std::uint8_t> bytes) {
  int pending = 0;  // continuation bytes still owed
  std::uint8_t low = 0x80;
  std::uint8_t high = 0xBF;  // range of the next continuation byte
  for (const std::uint8_t byte : bytes) {
    if (pending == 0) {
      if (byte < 0x80) {
        continue;
      }
      if (byte >= 0xC2 && byte <= 0xDF) {
        pending = 1;
      } else if (byte == 0xE0) {
        pending = 2;
        low = 0xA0;
      } else if (byte == 0xED) {
        pending = 2;
        high = 0x9F;
      } else if (byte >= 0xE1 && byte <= 0xEF) {
        pending = 2;
      } else if (byte == 0xF0) {
        pending = 3;
        low = 0x90;
      } else if (byte >= 0xF1 && byte <= 0xF3) {
        pending = 3;
      } else if (byte == 0xF4) {
        pending = 3;
        high = 0x8F;
      } else {
        return false;
      }
      continue;
    }
    if (byte < low || byte > high) {
      return false;
    }
    low = 0x80;
    high = 0xBF;
    --pending;
  }
  return pending == 0;
}

[[nodiscard]] bool isControl(std::uint8_t byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string readableText(std::span<const std::uint8_t> bytes) {
  const bool utf8 = isValidUtf8(bytes);
  std::string text;
  text.reserve(bytes.size());
  for (const std::uint8_t byte : bytes) {
    if (isControl(byte)) {
      text += '.';
    } else if (byte < 0x80 || utf8) {
      text += static_cast<char>(byte);
    } else {
      // Latin-1 byte: its code point is the byte itself.
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string readableText(std::string_view bytes) {
  return readableText(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<std::string> setString(std::span<const std::uint8_t> set, std::uint8_t index) {
  if (index == 0) {
    return std::nullopt;
  }
  ByteCursor cursor(set);
  unsigned number = 1;
  std::size_t start = 0;
  while (number < index && !cursor.atEnd()) {
    if (cursor.u8() == 0) {
      ++number;
      start = cursor.position();
    }
  }
  if (number != index) {
    return std::nullopt;
  }
  std::size_t end = start;
  while (!cursor.atEnd() && cursor.u8() != 0) {
    end = cursor.position();
  }
  if (end == start) {
    return std::nullopt;
  }
  ByteCursor text(set, start);
  return readableText(text.bytes(end - start));
}

}  // namespace inventory::smbios
