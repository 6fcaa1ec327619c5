#include "inventory/linux/udev_memory.h"

#include <charconv>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>

#include "inventory/facts/memory_type.h"
#include "inventory/smbios/strings.h"

namespace inventory::linux_facts {
namespace {

constexpr std::string_view devicePrefix = "MEMORY_DEVICE_";
// udev numbers the SMBIOS memory devices, and a table holds at most 65536
// structures; more numbers than that describe no real machine.
constexpr std::size_t maxMemoryDevices = 65536;

std::optional<std::uint64_t> unsignedNumber(const std::string& text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const std::string* find(const UdevProperties& properties, const std::string& key) {
  const auto it = properties.find(key);
  return it == properties.end() ? nullptr : &it->second;
}

InventoryValue integerValue(const UdevProperties& properties, const std::string& key) {
  const std::string* text = find(properties, key);
  const auto number = text ? unsignedNumber(*text) : std::nullopt;
  if (!number || *number > static_cast<std::uint64_t>(INT64_MAX)) return InventoryValue::null();
  return InventoryValue::integer(static_cast<std::int64_t>(*number));
}

InventoryValue textValue(const UdevProperties& properties, const std::string& key) {
  const std::string* text = find(properties, key);
  if (!text || text->empty() || *text == "Not Specified") return InventoryValue::null();
  return InventoryValue::text(smbios::readableText(std::string_view(*text)));
}

// The device numbers n of the MEMORY_DEVICE_<n>_... keys, ascending.
std::set<std::uint64_t> deviceNumbers(const UdevProperties& properties) {
  std::set<std::uint64_t> numbers;
  for (const auto& [key, value] : properties) {
    if (!key.starts_with(devicePrefix)) continue;
    const auto digits = key.substr(devicePrefix.size(), key.find('_', devicePrefix.size()) - devicePrefix.size());
    if (const auto number = unsignedNumber(digits)) numbers.insert(*number);
    if (numbers.size() > maxMemoryDevices) numbers.erase(std::prev(numbers.end()));
  }
  return numbers;
}

}  // namespace

UdevMemory parseUdevMemory(const UdevProperties& properties) {
  UdevMemory memory;
  if (find(properties, "MEMORY_ARRAY_MAX_CAPACITY") || find(properties, "MEMORY_ARRAY_NUM_DEVICES")) {
    InventoryValue maxCapacity = integerValue(properties, "MEMORY_ARRAY_MAX_CAPACITY");
    if (maxCapacity.isInteger()) maxCapacity = InventoryValue::integer(maxCapacity.asInteger() / 1024);
    memory.arrays.push_back(MemoryArrayFacts{
        .maxCapacity = maxCapacity,
        .manufacturer = InventoryValue::null(),
        .memoryDevices = integerValue(properties, "MEMORY_ARRAY_NUM_DEVICES"),
    });
  }
  for (const std::uint64_t number : deviceNumbers(properties)) {
    const std::string prefix = std::string(devicePrefix) + std::to_string(number) + "_";
    const std::string* size = find(properties, prefix + "SIZE");
    const std::string* present = find(properties, prefix + "PRESENT");
    if (!size || (present && *present == "0")) continue;  // an empty slot

    const std::string* typeName = find(properties, prefix + "TYPE");
    const auto typeCode = typeName ? smbiosMemoryTypeCode(*typeName) : std::nullopt;
    const auto bytes = unsignedNumber(*size);
    const InventoryValue speed = integerValue(properties, prefix + "SPEED_MTS");
    memory.modules.push_back(MemoryModuleFacts{
        .capacity = bytes ? InventoryValue::text(std::to_string(*bytes)) : InventoryValue::null(),
        .memoryType = typeName ? InventoryValue::integer(win32MemoryType(typeCode.value_or(0))) : InventoryValue::null(),
        .speed = speed.isInteger() && speed.asInteger() == 0 ? InventoryValue::null() : speed,
        .deviceLocator = textValue(properties, prefix + "LOCATOR"),
    });
  }
  return memory;
}

}  // namespace inventory::linux_facts
