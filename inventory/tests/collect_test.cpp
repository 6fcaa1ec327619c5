#include <gtest/gtest.h>

#include "inventory/error.h"
#include "inventory/record.h"
#include "inventory/testing/scripted_source.h"

namespace inventory {
namespace {

using testing::Properties;
using testing::ScriptedSource;

const NumberFormat point{"."};

InventoryValue text(const char* value) {
  return InventoryValue::text(value);
}
InventoryValue integer(std::int64_t value) {
  return InventoryValue::integer(value);
}

Properties computerSystem(InventoryValue totalPhysicalMemory) {
  return {{"Manufacturer", text("Acme")},
          {"Model", text("M-1")},
          {"TotalPhysicalMemory", std::move(totalPhysicalMemory)},
          {"SystemType", text("x64-based PC")}};
}

Properties memoryArray(InventoryValue maxCapacityKb, InventoryValue devices) {
  return {{"MaxCapacity", std::move(maxCapacityKb)},
          {"Manufacturer", InventoryValue::null()},
          {"MemoryDevices", std::move(devices)}};
}

Properties module(InventoryValue capacity, InventoryValue speed, const char* locator) {
  return {{"Capacity", std::move(capacity)},
          {"MemoryType", integer(24)},
          {"Speed", std::move(speed)},
          {"DeviceLocator", text(locator)}};
}

TEST(CollectInventory, ConvertsMemoryTotalsToRoundedGigabytes) {
  const struct {
    InventoryValue totalBytes;
    InventoryValue maxCapacityKb;
    double installedGb;
    double maximumGb;
  } cases[] = {
      {text("3758096384"), integer(33554432), 3.5, 32},        // 3.5 GiB; 32 GiB in kB
      {text("8472037740"), integer(16777216), 7.89, 16},       // 7.8902 GiB
      {InventoryValue::null(), InventoryValue::null(), 0, 0},  // null counts as nothing
  };
  for (const auto& c : cases) {
    ScriptedSource source;
    source.addInstance("Win32_ComputerSystem", computerSystem(c.totalBytes));
    source.addInstance("Win32_PhysicalMemoryArray", memoryArray(c.maxCapacityKb, integer(2)));
    const InventoryRecord record = collectInventory(source, point);
    EXPECT_DOUBLE_EQ(record.installedGb, c.installedGb);
    EXPECT_DOUBLE_EQ(record.maximumGb, c.maximumGb);
  }
}

TEST(CollectInventory, AccumulatesModuleTextsAndRowsInServiceOrder) {
  ScriptedSource source = testing::twoModuleMachine();
  const InventoryRecord record = collectInventory(source, point);
  EXPECT_EQ(record.moduleSizes, "4096 MB,4096 MB,");
  EXPECT_EQ(record.moduleTypes, "24,24,");
  EXPECT_EQ(record.moduleSpeeds, "1333 MHz,1333 MHz,");
  EXPECT_EQ(record.moduleLocators, "DIMM0,DIMM1,");
  const std::vector<ModuleRow> rows = {{text("DIMM0"), "4096 MB", "1333 MHz"}, {text("DIMM1"), "4096 MB", "1333 MHz"}};
  EXPECT_EQ(record.moduleRows, rows);
  EXPECT_EQ(record.populatedSlots, 2);
}

TEST(CollectInventory, WritesNullAndFractionalModuleValuesAsText) {
  ScriptedSource source;
  source.addInstance("Win32_PhysicalMemory", module(text("8589934592"), InventoryValue::null(), "A"));
  source.addInstance("Win32_PhysicalMemory", module(InventoryValue::null(), integer(2400), "B"));
  source.addInstance("Win32_PhysicalMemory", module(integer(1572864), integer(800), "C"));  // 1.5 MB
  const InventoryRecord record = collectInventory(source, NumberFormat{","});
  EXPECT_EQ(record.moduleSizes, "8192 MB, MB,1,5 MB,");
  EXPECT_EQ(record.moduleSpeeds, " MHz,2400 MHz,800 MHz,");
  EXPECT_EQ(record.moduleRows[0].speedText, " MHz");
  EXPECT_EQ(record.moduleRows[1].sizeText, " MB");
}

TEST(CollectInventory, KeepsTheLastInstanceOfSingleValuedClasses) {
  ScriptedSource source;
  for (const char* name : {"First CPU", "Second CPU"}) {
    source.addInstance("Win32_Processor", {{"Name", text(name)},
                                           {"Manufacturer", text("AuthenticAMD")},
                                           {"CurrentClockSpeed", integer(3000)},
                                           {"ExtClock", InventoryValue::null()}});
  }
  const InventoryRecord record = collectInventory(source, point);
  EXPECT_EQ(record.processorName, text("Second CPU"));
  EXPECT_TRUE(record.processorExtClock.isNull());
}

TEST(CollectInventory, AddsUpTheArraysOfMultiSocketMachines) {
  const struct {
    const char* name;
    std::vector<Properties> arrays;
    double maximumGb;
    InventoryValue memoryDevices;
  } cases[] = {
      {"no array", {}, 0, InventoryValue()},
      {"one array", {memoryArray(integer(16777216), text("4"))}, 16, text("4")},
      {"two sockets",
       {memoryArray(integer(201326592), integer(3)), memoryArray(integer(201326592), integer(3))},
       384,
       integer(6)},
      {"null counts add nothing",
       {memoryArray(InventoryValue::null(), InventoryValue::null()), memoryArray(integer(1048576), integer(2)),
        memoryArray(integer(1048576), InventoryValue::null())},
       2,
       integer(2)},
      {"all counts null",
       {memoryArray(integer(1048576), InventoryValue::null()), memoryArray(integer(1048576), InventoryValue::null())},
       2,
       InventoryValue::null()},
      // Rounded once over the sum, not per array.
      {"rounded once", {memoryArray(integer(5243), integer(1)), memoryArray(integer(5243), integer(1))}, 0.01, integer(2)},
  };
  for (const auto& c : cases) {
    ScriptedSource source;
    for (const auto& array : c.arrays) source.addInstance("Win32_PhysicalMemoryArray", array);
    const InventoryRecord record = collectInventory(source, point);
    EXPECT_DOUBLE_EQ(record.maximumGb, c.maximumGb) << c.name;
    EXPECT_EQ(record.memoryDevices, c.memoryDevices) << c.name;
  }
}

TEST(CollectInventory, ConnectsLocallyAndSendsEachQueryOnceInOrder) {
  ScriptedSource source;
  (void)collectInventory(source, point);
  const std::vector<std::string> expected = {
      "connect winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2",
      "query Select * from Win32_ComputerSystem",
      "query Select * from Win32_PhysicalMemoryArray",
      "query Select * from Win32_PhysicalMemory",
      "query Select * from Win32_Processor",
      "query Select * from Win32_Bios",
      "query Select * from Win32_ComputerSystemProduct",
      "query Select * from Win32_Baseboard",
  };
  EXPECT_EQ(source.log(), expected);
}

TEST(CollectInventory, StartsFromAnEmptyRecordWhenNothingIsReturned) {
  ScriptedSource source;
  EXPECT_EQ(collectInventory(source, point), InventoryRecord());
}

void expectFailure(ScriptedSource& source, const std::string& message) {
  try {
    (void)collectInventory(source, point);
    FAIL() << "expected: " << message;
  } catch (const InventoryError& error) {
    EXPECT_EQ(std::string(error.what()), message);
  }
}

TEST(CollectInventory, NamesTheStepClassAndPropertyThatFailed) {
  {
    ScriptedSource source = testing::twoModuleMachine();
    source.failConnect("access denied");
    expectFailure(source, "connecting to the system management service: access denied");
  }
  {
    ScriptedSource source = testing::twoModuleMachine();
    source.failQuery("Win32_Processor", "the service is shutting down");
    expectFailure(source, "querying Win32_Processor: the service is shutting down");
  }
  {
    ScriptedSource source = testing::twoModuleMachine();
    source.failRead("Win32_PhysicalMemory", "Speed", "not found");
    expectFailure(source, "reading \"speed\" of Win32_PhysicalMemory: not found");
  }
  {
    ScriptedSource source;
    source.addInstance("Win32_PhysicalMemory", module(text("lots"), integer(1), "A"));
    expectFailure(source, "reading \"capacity\" of Win32_PhysicalMemory: \"lots\" is not a decimal number");
  }
}

TEST(CollectInventory, FailsRatherThanOverflowTheModuleCount) {
  ScriptedSource source;
  for (int i = 0; i < 32767; ++i) source.addInstance("Win32_PhysicalMemory", module(integer(0), integer(0), "M"));
  EXPECT_EQ(collectInventory(source, point).populatedSlots, 32767);
  source.addInstance("Win32_PhysicalMemory", module(integer(0), integer(0), "M"));
  expectFailure(source, "counting Win32_PhysicalMemory: more than 32767 memory modules");
}

}  // namespace
}  // namespace inventory
