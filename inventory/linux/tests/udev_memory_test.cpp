#include "inventory/linux/udev_memory.h"

#include <gtest/gtest.h>

namespace inventory::linux_facts {
namespace {

InventoryValue text(const char* value) {
  return InventoryValue::text(value);
}
InventoryValue integer(std::int64_t value) {
  return InventoryValue::integer(value);
}

TEST(ParseUdevMemory, ListsInstalledModulesInDeviceOrder) {
  const UdevMemory memory = parseUdevMemory({
      {"MEMORY_ARRAY_MAX_CAPACITY", "34359738368"},
      {"MEMORY_ARRAY_NUM_DEVICES", "4"},
      {"MEMORY_DEVICE_10_SIZE", "17179869184"},  // sorts after 2 by number, not by text
      {"MEMORY_DEVICE_10_TYPE", "DDR5"},
      {"MEMORY_DEVICE_10_LOCATOR", "DIMM 10"},
      {"MEMORY_DEVICE_0_SIZE", "8589934592"},
      {"MEMORY_DEVICE_0_PRESENT", "1"},
      {"MEMORY_DEVICE_0_TYPE", "DDR4"},
      {"MEMORY_DEVICE_0_SPEED_MTS", "2400"},
      {"MEMORY_DEVICE_0_LOCATOR", "ChannelA-DIMM0"},
      {"MEMORY_DEVICE_1_PRESENT", "0"},  // an empty slot
      {"MEMORY_DEVICE_1_LOCATOR", "ChannelA-DIMM1"},
      {"MEMORY_DEVICE_2_SIZE", "4294967296"},
      {"MEMORY_DEVICE_2_TYPE", "Brand New RAM"},
      {"MEMORY_DEVICE_2_LOCATOR", "Not Specified"},
  });
  ASSERT_EQ(memory.arrays.size(), 1u);
  EXPECT_EQ(memory.arrays[0].maxCapacity, integer(33554432));
  EXPECT_EQ(memory.arrays[0].memoryDevices, integer(4));
  EXPECT_TRUE(memory.arrays[0].manufacturer.isNull());

  ASSERT_EQ(memory.modules.size(), 3u);
  EXPECT_EQ(memory.modules[0].capacity, text("8589934592"));
  EXPECT_EQ(memory.modules[0].memoryType, integer(26));
  EXPECT_EQ(memory.modules[0].speed, integer(2400));
  EXPECT_EQ(memory.modules[0].deviceLocator, text("ChannelA-DIMM0"));
  EXPECT_EQ(memory.modules[1].memoryType, integer(0));  // a name nobody knows: Unknown
  EXPECT_TRUE(memory.modules[1].speed.isNull());
  EXPECT_TRUE(memory.modules[1].deviceLocator.isNull());
  EXPECT_EQ(memory.modules[2].memoryType, integer(0x22));
  EXPECT_EQ(memory.modules[2].deviceLocator, text("DIMM 10"));
}

TEST(ParseUdevMemory, GivesNothingWithoutMemoryProperties) {
  const UdevMemory memory = parseUdevMemory({{"ID_VENDOR", "x"}, {"MEMORY_DEVICE_X_SIZE", "1"}});
  EXPECT_TRUE(memory.arrays.empty());
  EXPECT_TRUE(memory.modules.empty());
}

TEST(ParseUdevMemory, ReadsDamagedNumbersAsNull) {
  const UdevMemory memory = parseUdevMemory({{"MEMORY_ARRAY_NUM_DEVICES", "four"},
                                             {"MEMORY_DEVICE_0_SIZE", "-1"},
                                             {"MEMORY_DEVICE_0_SPEED_MTS", "99999999999999999999999"},
                                             {"MEMORY_DEVICE_0_LOCATOR", "A\x01\xff"}});
  EXPECT_TRUE(memory.arrays[0].memoryDevices.isNull());
  EXPECT_TRUE(memory.arrays[0].maxCapacity.isNull());
  EXPECT_TRUE(memory.modules[0].capacity.isNull());
  EXPECT_TRUE(memory.modules[0].speed.isNull());
  EXPECT_EQ(memory.modules[0].deviceLocator, text("A.\xc3\xbf"));  // control byte and Latin-1
}

TEST(ParseUdevMemory, ReadsThousandsOfDevicesButNoMoreThanATableCanHold) {
  UdevProperties properties;
  for (int i = 0; i < 70000; ++i) {
    properties["MEMORY_DEVICE_" + std::to_string(i) + "_SIZE"] = "1073741824";
  }
  const UdevMemory memory = parseUdevMemory(properties);
  EXPECT_EQ(memory.modules.size(), 65536u);
}

}  // namespace
}  // namespace inventory::linux_facts
