#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace inventory::smbios {

// Decoded SMBIOS structures. Every field keeps what the bytes say; a field
// the structure is too short to hold, a string index of 0 or past the string
// set, and the codes noted below read as nullopt.

// Type 0, BIOS Information.
struct BiosInfo {
  std::optional<std::string> vendor{};   // @0x04
  std::optional<std::string> version{};  // @0x05

  friend bool operator==(const BiosInfo&, const BiosInfo&) = default;
};

// Type 1, System Information.
struct SystemInfo {
  std::optional<std::string> manufacturer{};  // @0x04
  std::optional<std::string> productName{};   // @0x05
  std::optional<std::string> version{};       // @0x06
  std::optional<std::string> serialNumber{};  // @0x07

  friend bool operator==(const SystemInfo&, const SystemInfo&) = default;
};

// Type 2, Baseboard Information.
struct BaseboardInfo {
  std::optional<std::string> manufacturer{};  // @0x04
  std::optional<std::string> product{};       // @0x05

  friend bool operator==(const BaseboardInfo&, const BaseboardInfo&) = default;
};

// Type 4, Processor Information: one per socket, populated or not.
struct ProcessorInfo {
  std::optional<std::string> manufacturer{};       // @0x07
  std::optional<std::string> version{};            // @0x10, the processor's name
  std::optional<std::uint16_t> externalClockMhz{};  // @0x12, 0 (unknown) -> nullopt
  std::optional<std::uint16_t> currentSpeedMhz{};   // @0x16, 0 (unknown) -> nullopt
  bool populated = false;                         // status @0x18 bit 6; false when not covered

  friend bool operator==(const ProcessorInfo&, const ProcessorInfo&) = default;
};

// Type 16, Physical Memory Array.
struct MemoryArrayInfo {
  static constexpr std::uint8_t systemMemoryUse = 0x03;

  std::uint16_t handle = 0;
  std::optional<std::uint8_t> use{};  // @0x05, raw code: 3 system memory, 4 video, 5 flash, ...
  // @0x07 in kB; for 0x80000000 the extended size @0x0F (bytes) / 1024, or
  // nullopt when the structure is too short to hold it.
  std::optional<std::uint64_t> maximumCapacityKb{};
  std::optional<std::uint16_t> deviceCount{};  // @0x0D

  [[nodiscard]] bool isSystemMemory() const { return use == systemMemoryUse; }

  friend bool operator==(const MemoryArrayInfo&, const MemoryArrayInfo&) = default;
};

// The size word of a memory device (@0x0C) has three meanings: an empty
// slot, an unknown size, or a size. Known sizes are kept in bytes.
class ModuleSize final {
 public:
  enum class Kind { Empty, Unknown, Known };

  ModuleSize() = default;  // unknown
  [[nodiscard]] static ModuleSize empty() { return ModuleSize(Kind::Empty, 0); }
  [[nodiscard]] static ModuleSize unknown() { return ModuleSize(Kind::Unknown, 0); }
  [[nodiscard]] static ModuleSize ofBytes(std::uint64_t bytes) { return ModuleSize(Kind::Known, bytes); }

  [[nodiscard]] Kind kind() const { return kind_; }
  [[nodiscard]] bool isEmpty() const { return kind_ == Kind::Empty; }
  // The size when known; nullopt for an empty slot or an unknown size.
  [[nodiscard]] std::optional<std::uint64_t> bytes() const {
    return kind_ == Kind::Known ? std::optional<std::uint64_t>(bytes_) : std::nullopt;
  }

  friend bool operator==(const ModuleSize&, const ModuleSize&) = default;

 private:
  ModuleSize(Kind kind, std::uint64_t bytes) : kind_(kind), bytes_(bytes) {}

  Kind kind_ = Kind::Unknown;
  std::uint64_t bytes_ = 0;
};

// Type 17, Memory Device: one per slot, filled or empty, of any array.
struct MemoryDeviceInfo {
  std::uint16_t handle = 0;
  std::optional<std::uint16_t> arrayHandle{};  // @0x04; may name no type 16 at all
  // @0x0C: 0 empty, 0xFFFF unknown, bit 15 set -> kB else MB, 0x7FFF -> the
  // extended size @0x1C in MB (unknown when the structure is too short).
  ModuleSize size;
  std::optional<std::uint8_t> memoryTypeCode{};  // @0x12, the raw SMBIOS code (0x1A DDR4, ...)
  // @0x15 in MT/s, 0 -> nullopt; 0xFFFF -> the extended speed @0x54 when
  // the structure holds it (and it is not 0), else nullopt.
  std::optional<std::uint32_t> speedMts{};
  std::optional<std::string> deviceLocator{};  // @0x10

  friend bool operator==(const MemoryDeviceInfo&, const MemoryDeviceInfo&) = default;
};

}  // namespace inventory::smbios
