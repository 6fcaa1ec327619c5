#pragma once

#include <stdexcept>
#include <string>

namespace inventory::smbios {

// Bytes that cannot be read as an SMBIOS entry point and table: no anchor, a
// bad checksum or length, or a table outside the file. The message says which.
class FormatError : public std::runtime_error {
 public:
  explicit FormatError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace inventory::smbios
