#include "inventory/smbios/decode.h"

namespace inventory::smbios {
namespace {

// A value of 0 stands for "unknown" in the clock, speed and similar fields.
template <typename T>
[[nodiscard]] std::optional<T> nonZero(std::optional<T> value) {
  if (value == T{0}) {
    return std::nullopt;
  }
  return value;
}

constexpr std::uint8_t processorPopulatedBit = 0x40;

constexpr std::uint32_t useExtendedCapacity = 0x80000000;

constexpr std::uint16_t noModuleInstalled = 0x0000;
constexpr std::uint16_t unknownSize = 0xFFFF;
constexpr std::uint16_t useExtendedSize = 0x7FFF;
constexpr std::uint16_t sizeInKilobytes = 0x8000;
constexpr std::uint16_t sizeValueMask = 0x7FFF;
constexpr std::uint32_t extendedSizeMask = 0x7FFFFFFF;

constexpr std::uint16_t useExtendedSpeed = 0xFFFF;

constexpr std::uint64_t kilobyte = 1024;
constexpr std::uint64_t megabyte = 1024 * kilobyte;

[[nodiscard]] ModuleSize memoryDeviceSize(const Structure& structure) {
  const auto word = structure.wordAt(0x0C);
  if (!word || *word == unknownSize) {
    return ModuleSize::unknown();
  }
  if (*word == noModuleInstalled) {
    return ModuleSize::empty();
  }
  if (*word == useExtendedSize) {
    const auto extended = structure.dwordAt(0x1C);
    if (!extended) {
      return ModuleSize::unknown();
    }
    return ModuleSize::ofBytes((*extended & extendedSizeMask) * megabyte);
  }
  if ((*word & sizeInKilobytes) != 0) {
    return ModuleSize::ofBytes((*word & sizeValueMask) * kilobyte);
  }
  return ModuleSize::ofBytes(*word * megabyte);
}

[[nodiscard]] std::optional<std::uint32_t> memoryDeviceSpeed(const Structure& structure) {
  const auto speed = structure.wordAt(0x15);
  if (speed == useExtendedSpeed) {
    return nonZero(structure.dwordAt(0x54));
  }
  return nonZero<std::uint32_t>(speed);
}

[[nodiscard]] std::optional<std::uint64_t> maximumCapacityKb(const Structure& structure) {
  const auto capacity = structure.dwordAt(0x07);
  if (capacity == useExtendedCapacity) {
    const auto extendedBytes = structure.qwordAt(0x0F);
    if (!extendedBytes) {
      return std::nullopt;
    }
    return *extendedBytes / kilobyte;
  }
  return capacity;
}

}  // namespace

BiosInfo decodeBios(const Structure& structure) {
  return BiosInfo{
      .vendor = structure.stringAt(0x04),
      .version = structure.stringAt(0x05),
  };
}

SystemInfo decodeSystem(const Structure& structure) {
  return SystemInfo{
      .manufacturer = structure.stringAt(0x04),
      .productName = structure.stringAt(0x05),
      .version = structure.stringAt(0x06),
      .serialNumber = structure.stringAt(0x07),
  };
}

BaseboardInfo decodeBaseboard(const Structure& structure) {
  return BaseboardInfo{
      .manufacturer = structure.stringAt(0x04),
      .product = structure.stringAt(0x05),
  };
}

ProcessorInfo decodeProcessor(const Structure& structure) {
  const auto status = structure.byteAt(0x18);
  return ProcessorInfo{
      .manufacturer = structure.stringAt(0x07),
      .version = structure.stringAt(0x10),
      .externalClockMhz = nonZero(structure.wordAt(0x12)),
      .currentSpeedMhz = nonZero(structure.wordAt(0x16)),
      .populated = status && (*status & processorPopulatedBit) != 0,
  };
}

MemoryArrayInfo decodeMemoryArray(const Structure& structure) {
  return MemoryArrayInfo{
      .handle = structure.handle,
      .use = structure.byteAt(0x05),
      .maximumCapacityKb = maximumCapacityKb(structure),
      .deviceCount = structure.wordAt(0x0D),
  };
}

MemoryDeviceInfo decodeMemoryDevice(const Structure& structure) {
  return MemoryDeviceInfo{
      .handle = structure.handle,
      .arrayHandle = structure.wordAt(0x04),
      .size = memoryDeviceSize(structure),
      .memoryTypeCode = structure.byteAt(0x12),
      .speedMts = memoryDeviceSpeed(structure),
      .deviceLocator = structure.stringAt(0x10),
  };
}

}  // namespace inventory::smbios
