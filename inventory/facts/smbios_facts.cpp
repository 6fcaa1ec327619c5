#include "inventory/facts/smbios_facts.h"

#include <algorithm>
#include <limits>

#include "inventory/facts/memory_type.h"

namespace inventory {
namespace {

InventoryValue text(const std::optional<std::string>& value) {
  return value ? InventoryValue::text(*value) : InventoryValue::null();
}

template <typename Number>
InventoryValue integer(const std::optional<Number>& value) {
  return value ? InventoryValue::integer(static_cast<std::int64_t>(*value)) : InventoryValue::null();
}

InventoryValue bytesText(const std::optional<std::uint64_t>& bytes) {
  return bytes ? InventoryValue::text(std::to_string(*bytes)) : InventoryValue::null();
}

// A device of a flash, video or other non-system array is no memory module;
// a device whose array handle names no array at all still is.
bool belongsToNonSystemArray(const smbios::MemoryDeviceInfo& device, const smbios::SmbiosTable& table) {
  if (!device.arrayHandle) return false;
  return std::any_of(table.memoryArrays.begin(), table.memoryArrays.end(), [&](const auto& array) {
    return array.handle == *device.arrayHandle && !array.isSystemMemory();
  });
}

std::vector<MemoryModuleFacts> installedModules(const smbios::SmbiosTable& table) {
  std::vector<MemoryModuleFacts> modules;
  for (const auto& device : table.memoryDevices) {
    if (device.size.isEmpty() || belongsToNonSystemArray(device, table)) continue;
    modules.push_back(MemoryModuleFacts{
        .capacity = bytesText(device.size.bytes()),
        .memoryType = device.memoryTypeCode ? InventoryValue::integer(win32MemoryType(*device.memoryTypeCode))
                                            : InventoryValue::null(),
        .speed = integer(device.speedMts),
        .deviceLocator = text(device.deviceLocator),
    });
  }
  return modules;
}

std::uint64_t installedBytes(const smbios::SmbiosTable& table) {
  std::uint64_t total = 0;
  for (const auto& device : table.memoryDevices) {
    if (belongsToNonSystemArray(device, table)) continue;
    const std::uint64_t bytes = device.size.bytes().value_or(0);
    total = bytes > std::numeric_limits<std::uint64_t>::max() - total ? std::numeric_limits<std::uint64_t>::max()
                                                                      : total + bytes;
  }
  return total;
}

}  // namespace

MachineFacts factsFromSmbios(const smbios::SmbiosTable& table) {
  MachineFacts facts;
  const smbios::SystemInfo system = table.systems.empty() ? smbios::SystemInfo() : table.systems.front();

  facts.computerSystems.push_back(ComputerSystemFacts{
      .manufacturer = text(system.manufacturer),
      .model = text(system.productName),
      .totalPhysicalMemory = InventoryValue::text(std::to_string(installedBytes(table))),
      .systemType = InventoryValue::null(),
  });

  for (const auto& array : table.memoryArrays) {
    if (!array.isSystemMemory()) continue;
    facts.memoryArrays.push_back(MemoryArrayFacts{
        .maxCapacity = integer(array.maximumCapacityKb),
        .manufacturer = InventoryValue::null(),
        .memoryDevices = integer(array.deviceCount),
    });
  }

  facts.memoryModules = installedModules(table);

  for (const auto& processor : table.processors) {
    if (!processor.populated) continue;
    facts.processors.push_back(ProcessorFacts{
        .name = text(processor.version),
        .manufacturer = text(processor.manufacturer),
        .currentClockSpeed = integer(processor.currentSpeedMhz),
        .extClock = integer(processor.externalClockMhz),
    });
  }

  if (!table.bios.empty()) {
    facts.bios.push_back(BiosFacts{text(table.bios.front().vendor), text(table.bios.front().version)});
  }
  if (!table.systems.empty()) {
    facts.products.push_back(ProductFacts{text(system.serialNumber), text(system.version)});
  }
  if (!table.baseboards.empty()) {
    facts.baseboards.push_back(
        BaseboardFacts{text(table.baseboards.front().manufacturer), text(table.baseboards.front().product)});
  }
  return facts;
}

}  // namespace inventory
