#include "inventory/smbios/structure.h"

#include "inventory/smbios/byte_cursor.h"
#include "inventory/smbios/strings.h"

namespace inventory::smbios {
namespace {

template <typename Value, typename Read>
[[nodiscard]] std::optional<Value> readField(std::span<const std::uint8_t> formatted, std::size_t offset,
                                             Read read) {
  ByteCursor cursor(formatted, offset);
  const Value value = read(cursor);
  if (!cursor.ok()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::uint8_t> Structure::byteAt(std::size_t offset) const {
  return readField<std::uint8_t>(formatted, offset, [](ByteCursor& c) { return c.u8(); });
}

std::optional<std::uint16_t> Structure::wordAt(std::size_t offset) const {
  return readField<std::uint16_t>(formatted, offset, [](ByteCursor& c) { return c.u16(); });
}

std::optional<std::uint32_t> Structure::dwordAt(std::size_t offset) const {
  return readField<std::uint32_t>(formatted, offset, [](ByteCursor& c) { return c.u32(); });
}

std::optional<std::uint64_t> Structure::qwordAt(std::size_t offset) const {
  return readField<std::uint64_t>(formatted, offset, [](ByteCursor& c) { return c.u64(); });
}

std::optional<std::string> Structure::stringAt(std::size_t offset) const {
  const auto index = byteAt(offset);
  if (!index) {
    return std::nullopt;
  }
  return setString(strings, *index);
}

}  // namespace inventory::smbios
