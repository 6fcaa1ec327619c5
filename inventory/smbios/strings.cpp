#include "inventory/smbios/strings.h"

#include <algorithm>

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
  // Nearly every firmware string is printable ASCII, which stays as it is.
  if (std::none_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return isControl(byte) || byte >= 0x80; })) {
    return {bytes.begin(), bytes.end()};
  }
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
  // Strings are numbered from 1, each ended by a NUL; the set's own end ends the last.
  auto rest = set;
  for (unsigned number = 1; number < index; ++number) {
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (end == rest.end()) {
      return std::nullopt;
    }
    rest = rest.subspan(static_cast<std::size_t>(end - rest.begin()) + 1);
  }
  const auto textEnd = std::find(rest.begin(), rest.end(), std::uint8_t{0});
  const auto text = rest.first(static_cast<std::size_t>(textEnd - rest.begin()));
  if (text.empty()) {
    return std::nullopt;
  }
  return readableText(text);
}

}  // namespace inventory::smbios
