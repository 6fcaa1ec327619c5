#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace inventory::smbios {

// String `index` (1-based) of a string set whose strings are separated by
// single NULs, made readable. Index 0 means "no string"; an index past the
// set, or one that lands on an empty string, names nothing. All give nullopt.
[[nodiscard]] std::optional<std::string> setString(std::span<const std::uint8_t> set, std::uint8_t index);

// Firmware bytes as UTF-8 text: control characters (below 0x20, and 0x7F)
// become '.', and a string that is not valid UTF-8 as a whole is read as
// Latin-1. Nothing else changes: padding stays.
[[nodiscard]] std::string readableText(std::span<const std::uint8_t> bytes);
// The same for text read from elsewhere (sysfs, udev) that firmware wrote.
[[nodiscard]] std::string readableText(std::string_view bytes);

}  // namespace inventory::smbios
