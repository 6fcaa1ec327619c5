#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace inventory {

// SMBIOS tables are a few kilobytes; anything near this is not one.
inline constexpr std::size_t maxDumpBytes = std::size_t{16} << 20;

// The whole file. Throws InventoryError naming the file and the system's
// reason when it cannot be read, or when it is larger than `maxBytes`.
[[nodiscard]] std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// At most `maxBytes` of a file as text, or nothing when it cannot be read.
// Files under /proc and /sys report no size, so this reads until the end.
[[nodiscard]] std::optional<std::string> readTextFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace inventory
