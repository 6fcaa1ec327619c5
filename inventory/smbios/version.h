#pragma once

#include <cstdint>

namespace inventory::smbios {

// The SMBIOS version an entry point announces. 2.x and legacy entry points
// carry no document revision; it reads as 0 there.
struct SmbiosVersion {
  std::uint8_t major = 0;
  std::uint8_t minor = 0;
  std::uint8_t docrev = 0;

  friend bool operator==(const SmbiosVersion&, const SmbiosVersion&) = default;
};

}  // namespace inventory::smbios
