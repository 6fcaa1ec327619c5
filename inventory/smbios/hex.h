#pragma once

#include <cstdint>
#include <string>

namespace inventory::smbios {

// "0x" and the value in upper-case hex digits, at least `digits` of them; for messages.
[[nodiscard]] std::string hex(std::uint64_t value, int digits = 1);

}  // namespace inventory::smbios
