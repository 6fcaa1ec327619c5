#include "inventory/report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "inventory/testing/scripted_source.h"

namespace inventory {
namespace {

using testing::ScriptedSource;

const NumberFormat point{"."};

std::string reportOf(InventorySource& source) {
  InventoryRecord record = collectInventory(source, point);
  normalisePlaceholders(record);
  return buildReport(record, buildDisplayTexts(record, point));
}

TEST(BuildReport, WritesTheFiveSectionsOfATwoModuleMachine) {
  ScriptedSource source = testing::twoModuleMachine();
  EXPECT_EQ(reportOf(source),
            "************System**********\r\n"
            "\r\n"
            "System Manufacturer:Acme\r\n"
            "System Model: Not Available\r\n"
            "System Version: Rev A\r\n"
            "IdentifyingNumber: SN-0001\r\n"
            "System Type: x64-based PC\r\n"
            "\r\n"
            "************Motherboard**********\r\n"
            "\r\n"
            "Mother Board Manufacturer: Acme Boards\r\n"
            "Motherboard Model: B-100\r\n"
            "\r\n"
            "************Processor**********\r\n"
            "\r\n"
            "Processor: Example CPU 3000 @ 2.93GHz\r\n"
            "Processor Manufacturer: GenuineIntel\r\n"
            "Processor Speed: 2933\r\n"
            "Processor FSB: 133\r\n"
            "\r\n"
            "************Bios**********\r\n"
            "\r\n"
            "Bios: Example BIOS Co.\r\n"
            "Version: 1.02\r\n"
            "\r\n"
            "************Memory Details**********\r\n"
            "\r\n"
            "Memory Manufacturer: \r\n"
            "Installed RAM: 8 GB\r\n"
            "Maximum RAM: 16 GB\r\n"
            "Total Slots: 4\r\n"
            "Capacity: 4096 MB,4096 MB,\r\n"
            "Memory Type: 24,24,\r\n"
            "Speed: 1333 MHz,1333 MHz,\r\n"
            "Slots: DIMM0,DIMM1,\r\n");
}

TEST(BuildReport, LeavesMissingValuesEmptyAndNeverABareLineFeed) {
  ScriptedSource source;
  const std::string report = reportOf(source);
  for (const char* line : {"\r\nSystem Manufacturer:\r\n", "\r\nProcessor FSB: \r\n", "\r\nCapacity: \r\n",
                           "\r\nMemory Type: \r\n", "\r\nSpeed: \r\n", "\r\nSlots: \r\n"}) {
    EXPECT_NE(report.find(line), std::string::npos) << line;
  }
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\n') {
      ASSERT_TRUE(i > 0 && report[i - 1] == '\r') << "bare line feed at " << i;
    }
  }
  EXPECT_TRUE(report.ends_with("Slots: \r\n"));
}

TEST(BuildReport, KeepsEveryValueOnItsOwnLine) {
  ScriptedSource source = testing::twoModuleMachine();
  source.addInstance("Win32_BIOS", {{"Manufacturer", InventoryValue::text("Evil\r\nVersion: 9.99\n\x1b[2J")},
                                    {"SMBIOSBIOSVersion", InventoryValue::text(std::string("1.0\0x", 5))}});
  const std::string report = reportOf(source);
  EXPECT_NE(report.find("\r\nBios: Evil..Version: 9.99..[2J\r\nVersion: 1.0.x\r\n"), std::string::npos) << report;
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 35);
}

}  // namespace
}  // namespace inventory
