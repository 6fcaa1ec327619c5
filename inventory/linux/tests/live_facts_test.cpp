#include "inventory/linux/live_facts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "inventory/linux/testing/fixture_tree.h"

namespace inventory::linux_facts {
namespace {

namespace fs = std::filesystem;
using fixtures::FixedUdev;
using fixtures::writeDesktopFiles;

InventoryValue text(const char* value) {
  return InventoryValue::text(value);
}
InventoryValue integer(std::int64_t value) {
  return InventoryValue::integer(value);
}

class FixtureRoot : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("rigscope-root-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void write(const std::string& relative, const std::string& content) { fixtures::writeFile(root_, relative, content); }

  MachineFacts gather(UdevProperties udevProperties = {}) {
    FixedUdev udev(std::move(udevProperties));
    return gatherLiveFacts(LiveSystem{.root = root_, .architecture = "x86_64", .udev = &udev});
  }

  fs::path root_;
};

TEST_F(FixtureRoot, AnswersFromFilesEveryUserMayRead) {
  writeDesktopFiles(root_);
  write("sys/devices/system/cpu/cpu0/cpufreq/base_frequency", "3000000\n");
  const MachineFacts facts = gather({{"MEMORY_ARRAY_MAX_CAPACITY", "68719476736"},
                                     {"MEMORY_ARRAY_NUM_DEVICES", "2"},
                                     {"MEMORY_DEVICE_0_SIZE", "8589934592"},
                                     {"MEMORY_DEVICE_0_TYPE", "DDR4"},
                                     {"MEMORY_DEVICE_0_SPEED_MTS", "3200"},
                                     {"MEMORY_DEVICE_0_LOCATOR", "DIMM A"}});

  ASSERT_EQ(facts.computerSystems.size(), 1u);
  EXPECT_EQ(facts.computerSystems[0].manufacturer, text("Acme"));
  EXPECT_EQ(facts.computerSystems[0].model, text("Desk 9"));
  EXPECT_EQ(facts.computerSystems[0].totalPhysicalMemory, text("8192000000"));
  EXPECT_EQ(facts.computerSystems[0].systemType, text("x64-based PC"));
  ASSERT_EQ(facts.memoryArrays.size(), 1u);
  EXPECT_EQ(facts.memoryArrays[0].maxCapacity, integer(67108864));
  ASSERT_EQ(facts.memoryModules.size(), 1u);
  EXPECT_EQ(facts.memoryModules[0].speed, integer(3200));
  ASSERT_EQ(facts.processors.size(), 1u);
  EXPECT_EQ(facts.processors[0].name, text("Example CPU @ 3.00GHz"));
  EXPECT_EQ(facts.processors[0].manufacturer, text("GenuineIntel"));
  EXPECT_EQ(facts.processors[0].currentClockSpeed, integer(3000));  // base, not the idle clock
  EXPECT_TRUE(facts.processors[0].extClock.isNull());
  ASSERT_EQ(facts.products.size(), 1u);
  EXPECT_TRUE(facts.products[0].identifyingNumber.isNull());
  EXPECT_TRUE(facts.products[0].version.isNull());
  EXPECT_EQ(facts.baseboards[0].product, text("B.[31m-100"));
  EXPECT_EQ(facts.bios[0].smbiosBiosVersion, text("1.02"));
}

TEST_F(FixtureRoot, FallsBackToTheRoundedCpuClockWithoutCpufreq) {
  writeDesktopFiles(root_);
  EXPECT_EQ(gather().processors[0].currentClockSpeed, integer(800));
}

TEST_F(FixtureRoot, LeavesClassesWithoutAnySourceEmpty) {
  const MachineFacts facts = gather();
  ASSERT_EQ(facts.computerSystems.size(), 1u);
  EXPECT_TRUE(facts.computerSystems[0].manufacturer.isNull());
  EXPECT_TRUE(facts.computerSystems[0].totalPhysicalMemory.isNull());
  EXPECT_EQ(facts.computerSystems[0].systemType, text("x64-based PC"));
  EXPECT_TRUE(facts.memoryArrays.empty());
  EXPECT_TRUE(facts.memoryModules.empty());
  EXPECT_TRUE(facts.processors.empty());
  EXPECT_TRUE(facts.bios.empty());
  EXPECT_TRUE(facts.products.empty());
  EXPECT_TRUE(facts.baseboards.empty());
}

TEST_F(FixtureRoot, PrefersAReadableTableAndAddsWhatOnlyTheRunningSystemKnows) {
  const fs::path dump = fs::path(RIGSCOPE_SMBIOS_DUMPS) / "lenovo-thinkpad-x280.bin";
  if (!fs::exists(dump)) GTEST_SKIP() << "no SMBIOS dumps at " << dump.parent_path() << "; skipped";
  std::stringstream bytes;
  bytes << std::ifstream(dump, std::ios::binary).rdbuf();
  writeDesktopFiles(root_);
  fixtures::writeSmbiosTable(root_, bytes.str());

  const MachineFacts facts = gather({{"MEMORY_DEVICE_0_SIZE", "1"}});
  EXPECT_EQ(facts.computerSystems[0].manufacturer, text("LENOVO"));
  EXPECT_EQ(facts.computerSystems[0].totalPhysicalMemory, text("8192000000"));  // MemTotal, not the modules
  EXPECT_EQ(facts.computerSystems[0].systemType, text("x64-based PC"));
  ASSERT_EQ(facts.memoryModules.size(), 2u);  // from the table, not udev
  EXPECT_EQ(facts.memoryModules[0].capacity, text("4294967296"));
  ASSERT_EQ(facts.processors.size(), 1u);
  EXPECT_EQ(facts.processors[0].name, text("Example CPU @ 3.00GHz"));  // the CPU's own brand string
  EXPECT_EQ(facts.processors[0].currentClockSpeed, integer(1600));    // the table's clock
  EXPECT_FALSE(facts.processors[0].extClock.isNull());
}

TEST_F(FixtureRoot, FallsBackToTheFilesWhenTheTableIsDamaged) {
  writeDesktopFiles(root_);
  write("sys/firmware/dmi/tables/smbios_entry_point", "_SM3_ but nothing after it");
  write("sys/firmware/dmi/tables/DMI", std::string(64, '\0'));
  const MachineFacts facts = gather();
  EXPECT_EQ(facts.computerSystems[0].manufacturer, text("Acme"));
  EXPECT_TRUE(facts.processors[0].extClock.isNull());
}

TEST_F(FixtureRoot, MakesHostileAttributesReadableWithoutLosingThem) {
  const struct {
    std::string file;
    const char* read;
  } cases[] = {
      {"Acme\r\nModel: forged\n", "Acme..Model: forged"},
      {std::string("A\0B\x1b[1m\n\n", 9), "A.B.[1m."},  // only the last newline is the file's own
      {"Caf\xe9\n", "Caf\xc3\xa9"},                     // Latin-1
  };
  for (const auto& c : cases) {
    write("sys/class/dmi/id/sys_vendor", c.file);
    EXPECT_EQ(gather().computerSystems[0].manufacturer, text(c.read)) << c.read;
  }
}

}  // namespace
}  // namespace inventory::linux_facts
