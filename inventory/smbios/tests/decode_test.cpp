// Decoding of each structure type, through parseDump on synthetic tables.

#include <gtest/gtest.h>

#include "inventory/smbios/table.h"
#include "inventory/smbios/testing/table_builder.h"

namespace inventory::smbios {
namespace {

using testing::Bytes;
using testing::StructureBuilder;

constexpr std::uint64_t KiB = 1024;
constexpr std::uint64_t MiB = 1024 * KiB;
constexpr std::uint64_t GiB = 1024 * MiB;

[[nodiscard]] SmbiosTable decoded(std::initializer_list<StructureBuilder> structures) {
  Bytes table = testing::tableOf(structures);
  const Bytes end = testing::endOfTable().bytes();
  table.insert(table.end(), end.begin(), end.end());
  SmbiosTable result = parseDump(testing::dumpOf(table));
  EXPECT_FALSE(result.truncated()) << *result.truncation;
  return result;
}

TEST(Decode, IdentityStringsOfBiosSystemAndBaseboard) {
  const SmbiosTable table = decoded({
      StructureBuilder(0, 0x18, 0x0000).u8(0x04, 1).u8(0x05, 2).strings({"Firmware Inc.", "R1.2.3 "}),
      StructureBuilder(1, 0x1B, 0x0001)
          .u8(0x04, 1)
          .u8(0x05, 2)
          .u8(0x06, 0)  // no version string
          .u8(0x07, 9)  // names no string
          .strings({"M\xFCller\tGmbH", "Model Z"}),
      StructureBuilder(2, 0x0F, 0x0002).u8(0x04, 2).u8(0x05, 1).strings({"Board-1", "Board Maker"}),
  });
  ASSERT_EQ(table.bios.size(), 1u);
  EXPECT_EQ(table.bios[0], (BiosInfo{.vendor = "Firmware Inc.", .version = "R1.2.3 "}));
  ASSERT_EQ(table.systems.size(), 1u);
  EXPECT_EQ(table.systems[0], (SystemInfo{.manufacturer = "M\xC3\xBCller.GmbH",
                                          .productName = "Model Z",
                                          .version = std::nullopt,
                                          .serialNumber = std::nullopt}));
  ASSERT_EQ(table.baseboards.size(), 1u);
  EXPECT_EQ(table.baseboards[0], (BaseboardInfo{.manufacturer = "Board Maker", .product = "Board-1"}));
}

TEST(Decode, ShortStructuresReadUncoveredFieldsAsAbsent) {
  // Each string set starts with byte 0x01, so a read past the declared length
  // would find a valid string index there.
  const SmbiosTable table = decoded({
      StructureBuilder(0, 0x05, 0x0000).u8(0x04, 1).strings({"\x01" "Vendor"}),
      StructureBuilder(1, 0x06, 0x0001).u8(0x04, 1).u8(0x05, 1).strings({"\x01" "Maker"}),
      StructureBuilder(2, 0x05, 0x0002).u8(0x04, 1).strings({"\x01" "Board"}),
  });
  EXPECT_EQ(table.bios.at(0), (BiosInfo{.vendor = ".Vendor", .version = std::nullopt}));
  EXPECT_EQ(table.systems.at(0), (SystemInfo{.manufacturer = ".Maker", .productName = ".Maker"}));
  EXPECT_EQ(table.baseboards.at(0), (BaseboardInfo{.manufacturer = ".Board", .product = std::nullopt}));
}

TEST(Decode, Processor) {
  const SmbiosTable table = decoded({
      StructureBuilder(4, 0x2A, 0x0004)
          .u8(0x07, 2)
          .u8(0x10, 1)
          .u16(0x12, 100)
          .u16(0x16, 3600)
          .u8(0x18, 0x41)
          .strings({"Example(R) CPU 9000 @ 3.60GHz   ", "GenuineExample"}),
      // An empty socket with unknown clocks.
      StructureBuilder(4, 0x2A, 0x0005).u8(0x18, 0x00),
      // Status not covered: not populated. Current speed is the last field covered.
      StructureBuilder(4, 0x18, 0x0006).u8(0x18 - 2, 0x10).u8(0x10, 1).strings({"Old CPU"}),
      // Clocks not covered at all.
      StructureBuilder(4, 0x12, 0x0007).u8(0x10, 1).strings({"Older CPU"}),
  });
  ASSERT_EQ(table.processors.size(), 4u);
  EXPECT_EQ(table.processors[0], (ProcessorInfo{.manufacturer = "GenuineExample",
                                                .version = "Example(R) CPU 9000 @ 3.60GHz   ",
                                                .externalClockMhz = 100,
                                                .currentSpeedMhz = 3600,
                                                .populated = true}));
  EXPECT_EQ(table.processors[1], ProcessorInfo{});
  EXPECT_EQ(table.processors[2], (ProcessorInfo{.version = "Old CPU", .currentSpeedMhz = 0x10}));
  EXPECT_EQ(table.processors[3], (ProcessorInfo{.version = "Older CPU"}));
}

TEST(Decode, ProcessorPopulatedIsBit6OfTheStatusByte) {
  for (const auto& [status, populated] : std::vector<std::pair<std::uint8_t, bool>>{
           {0x41, true}, {0x40, true}, {0x44, true}, {0x01, false}, {0x07, false}, {0xBF, false}}) {
    const SmbiosTable table = decoded({StructureBuilder(4, 0x1A, 0x0004).u8(0x18, status)});
    EXPECT_EQ(table.processors.at(0).populated, populated) << "status " << int(status);
  }
}

struct SizeCase {
  const char* name;
  std::uint8_t length;
  std::uint16_t sizeWord;
  std::uint32_t extendedSize;  // written when the length covers 0x1C
  ModuleSize expected;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

class MemoryDeviceSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(MemoryDeviceSize, FollowsTheSizeWordEncodings) {
  const SizeCase& c = GetParam();
  StructureBuilder device(17, c.length, 0x0011);
  if (c.length >= 0x0E) {
    device.u16(0x0C, c.sizeWord);
  }
  if (c.length >= 0x20) {
    device.u32(0x1C, c.extendedSize);
  }
  EXPECT_EQ(decoded({device}).memoryDevices.at(0).size, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryDeviceSize,
    ::testing::Values(
        SizeCase{"Megabytes", 0x22, 0x2000, 0, ModuleSize::ofBytes(8 * GiB)},
        SizeCase{"LargestPlainMegabytes", 0x22, 0x7FFE, 0, ModuleSize::ofBytes(0x7FFE * MiB)},
        SizeCase{"KilobyteGranularity", 0x22, 0x8000 | 512, 0, ModuleSize::ofBytes(512 * KiB)},
        SizeCase{"ExtendedMegabytes", 0x28, 0x7FFF, 32768, ModuleSize::ofBytes(32 * GiB)},
        SizeCase{"ExtendedIgnoresBit31", 0x28, 0x7FFF, 0x8000'0000u | 0x0004'0000u, ModuleSize::ofBytes(256 * GiB)},
        SizeCase{"ExtendedNotCovered", 0x1C, 0x7FFF, 0, ModuleSize::unknown()},
        SizeCase{"Unknown", 0x22, 0xFFFF, 32768, ModuleSize::unknown()},
        SizeCase{"EmptySlot", 0x22, 0x0000, 32768, ModuleSize::empty()},
        SizeCase{"SizeWordNotCovered", 0x0D, 0, 0, ModuleSize::unknown()}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.name); });

struct SpeedCase {
  const char* name;
  std::uint8_t length;
  std::uint16_t speed;
  std::uint32_t extendedSpeed;  // written when the length covers 0x54
  std::optional<std::uint32_t> expected;
};

void PrintTo(const SpeedCase& c, std::ostream* out) { *out << c.name; }

class MemoryDeviceSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(MemoryDeviceSpeed, ReadsTheRatedSpeed) {
  const SpeedCase& c = GetParam();
  StructureBuilder device(17, c.length, 0x0011);
  if (c.length >= 0x17) {
    device.u16(0x15, c.speed);
  }
  if (c.length >= 0x22) {
    device.u16(0x20, 1333);  // the configured speed, which is not the rated one
  }
  if (c.length >= 0x58) {
    device.u32(0x54, c.extendedSpeed);
  }
  EXPECT_EQ(decoded({device}).memoryDevices.at(0).speedMts, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryDeviceSpeed,
    ::testing::Values(SpeedCase{"Plain", 0x28, 2400, 0, 2400},
                      SpeedCase{"ZeroIsUnknown", 0x28, 0, 0, std::nullopt},
                      SpeedCase{"Extended", 0x5C, 0xFFFF, 70000, 70000},
                      SpeedCase{"ExtendedFieldJustCovered", 0x58, 0xFFFF, 70000, 70000},
                      SpeedCase{"ExtendedNotCovered", 0x54, 0xFFFF, 0, std::nullopt},
                      SpeedCase{"ExtendedZero", 0x5C, 0xFFFF, 0, std::nullopt},
                      SpeedCase{"SpeedNotCovered", 0x16, 0, 0, std::nullopt}),
    [](const ::testing::TestParamInfo<SpeedCase>& info) { return std::string(info.param.name); });

TEST(Decode, MemoryDeviceFields) {
  const SmbiosTable table = decoded({
      StructureBuilder(17, 0x28, 0x0040)
          .u16(0x04, 0x003E)
          .u16(0x0C, 16384)
          .u8(0x10, 2)
          .u8(0x12, 0x1A)
          .u16(0x15, 2666)
          .strings({"BANK 0", "ChannelA-DIMM0"}),
      // Covers the array handle and size but not the locator or type.
      StructureBuilder(17, 0x10, 0x0041).u16(0x04, 0x003E).u16(0x0C, 0).strings({"unreachable"}),
  });
  ASSERT_EQ(table.memoryDevices.size(), 2u);
  EXPECT_EQ(table.memoryDevices[0], (MemoryDeviceInfo{.handle = 0x0040,
                                                      .arrayHandle = 0x003E,
                                                      .size = ModuleSize::ofBytes(16 * GiB),
                                                      .memoryTypeCode = 0x1A,
                                                      .speedMts = 2666,
                                                      .deviceLocator = "ChannelA-DIMM0"}));
  EXPECT_EQ(table.memoryDevices[1],
            (MemoryDeviceInfo{.handle = 0x0041, .arrayHandle = 0x003E, .size = ModuleSize::empty()}));
}

struct CapacityCase {
  const char* name;
  std::uint8_t length;
  std::uint32_t capacity;
  std::uint64_t extendedBytes;  // written when the length covers 0x0F
  std::optional<std::uint64_t> expectedKb;
};

void PrintTo(const CapacityCase& c, std::ostream* out) { *out << c.name; }

class MemoryArrayCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(MemoryArrayCapacity, ReadsKilobytesOrTheExtendedBytes) {
  const CapacityCase& c = GetParam();
  StructureBuilder array(16, c.length, 0x0030);
  if (c.length >= 0x0B) {
    array.u32(0x07, c.capacity);
  }
  if (c.length >= 0x17) {
    array.u64(0x0F, c.extendedBytes);
  }
  EXPECT_EQ(decoded({array}).memoryArrays.at(0).maximumCapacityKb, c.expectedKb);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryArrayCapacity,
    ::testing::Values(
        CapacityCase{"Kilobytes", 0x17, 32 * 1024 * 1024, 0, 32 * 1024 * 1024},
        CapacityCase{"KilobytesInOldStructure", 0x0F, 0x7FFF'FFFF, 0, 0x7FFF'FFFF},
        CapacityCase{"Extended", 0x17, 0x8000'0000, 4 * 1024 * GiB, 4 * 1024 * 1024 * 1024ull},
        CapacityCase{"ExtendedNotCovered", 0x0F, 0x8000'0000, 0, std::nullopt},
        CapacityCase{"CapacityNotCovered", 0x0A, 0, 0, std::nullopt}),
    [](const ::testing::TestParamInfo<CapacityCase>& info) { return std::string(info.param.name); });

TEST(Decode, MemoryArrayUseAndDeviceCount) {
  const SmbiosTable table = decoded({
      StructureBuilder(16, 0x17, 0x0030).u8(0x05, 0x03).u16(0x0D, 4),
      StructureBuilder(16, 0x0F, 0x0031).u8(0x05, 0x05).u16(0x0D, 1),
      StructureBuilder(16, 0x0D, 0x0032).u8(0x05, 0x03),  // count not covered
  });
  ASSERT_EQ(table.memoryArrays.size(), 3u);
  EXPECT_EQ(table.memoryArrays[0].use, 0x03);
  EXPECT_TRUE(table.memoryArrays[0].isSystemMemory());
  EXPECT_EQ(table.memoryArrays[0].deviceCount, 4);
  EXPECT_EQ(table.memoryArrays[1].handle, 0x0031);
  EXPECT_FALSE(table.memoryArrays[1].isSystemMemory());
  EXPECT_EQ(table.memoryArrays[1].deviceCount, 1);
  EXPECT_EQ(table.memoryArrays[2].deviceCount, std::nullopt);

  const SmbiosTable tiny = decoded({StructureBuilder(16, 0x05, 0x0033)});
  EXPECT_EQ(tiny.memoryArrays.at(0).use, std::nullopt);
  EXPECT_FALSE(tiny.memoryArrays.at(0).isSystemMemory());
}

TEST(Decode, DevicesOfEveryArrayAreKeptWithTheirArrayHandle) {
  // Filtering by array use is the caller's job; the records keep the link.
  const SmbiosTable table = decoded({
      StructureBuilder(16, 0x17, 0x0010).u8(0x05, 0x05).u16(0x0D, 1),  // flash
      StructureBuilder(17, 0x22, 0x0011).u16(0x04, 0x0010).u16(0x0C, 2),
      StructureBuilder(16, 0x17, 0x0020).u8(0x05, 0x03).u16(0x0D, 1),  // system memory
      StructureBuilder(17, 0x22, 0x0021).u16(0x04, 0x0020).u16(0x0C, 4096),
      StructureBuilder(17, 0x22, 0x0031).u16(0x04, 0x0099).u16(0x0C, 1024),  // names no array
  });
  ASSERT_EQ(table.memoryArrays.size(), 2u);
  EXPECT_FALSE(table.memoryArrays[0].isSystemMemory());
  EXPECT_TRUE(table.memoryArrays[1].isSystemMemory());
  ASSERT_EQ(table.memoryDevices.size(), 3u);
  EXPECT_EQ(table.memoryDevices[0].arrayHandle, 0x0010);
  EXPECT_EQ(table.memoryDevices[0].size, ModuleSize::ofBytes(2 * MiB));
  EXPECT_EQ(table.memoryDevices[1].arrayHandle, 0x0020);
  EXPECT_EQ(table.memoryDevices[2].arrayHandle, 0x0099);
}

}  // namespace
}  // namespace inventory::smbios
