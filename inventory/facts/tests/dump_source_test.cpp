#include "inventory/facts/dump_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "inventory/error.h"
#include "inventory/scan.h"

namespace inventory {
namespace {

const std::filesystem::path dumps = RIGSCOPE_SMBIOS_DUMPS;
const std::filesystem::path testData = RIGSCOPE_TEST_DATA;
const NumberFormat point{"."};

std::string fileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

ScanResult scanDump(const std::string& name) {
  const auto source = makeDumpSource(dumps / (name + ".bin"));
  return runScan(*source, "shop.example", point);
}

#define SKIP_WITHOUT_DUMPS() \
  if (!std::filesystem::is_directory(dumps)) GTEST_SKIP() << "no SMBIOS dumps at " << dumps << "; skipped"

// What each real machine sends to the lookup page: maker, model (or board),
// board, maximum memory, sockets, module speeds and sizes, processor clock,
// checked against the dmidecode decoding beside each dump.
TEST(DumpSource, SendsEachRealMachinesFactsToTheLookupPage) {
  SKIP_WITHOUT_DUMPS();
  const struct {
    const char* dump;
    const char* parameters;
  } cases[] = {
      {"asus-ux305la",
       "ASUSTeK COMPUTER INC.&mdlname=UX305LA&bName=UX305LA&maxmemory=16 GB&totalslots=2  (Currently Memory in 2 Slots)&memoryspeeds=1600 MHz,1600 MHz,&memorysize=4096 MB,4096 MB,&processorspeed=2400"},
      {"gigabyte-ga-ma74gmt-s2",
       "Gigabyte Technology Co., Ltd.&mdlname=GA-MA74GMT-S2&bName=GA-MA74GMT-S2&maxmemory=16 GB&totalslots=4  (Currently Memory in 2 Slots)&memoryspeeds=1066 MHz,1066 MHz,&memorysize=1024 MB,1024 MB,&processorspeed=2800"},
      {"gigabyte-x399-aorus-xtreme",
       "Gigabyte Technology Co., Ltd.&mdlname=X399 AORUS XTREME&bName=X399 AORUS XTREME-CF&maxmemory=512 GB&totalslots=8  (Currently Memory in 8 Slots)&memoryspeeds=2933 MHz,2933 MHz,2933 MHz,2933 MHz,2933 MHz,2933 MHz,2933 MHz,2933 MHz,&memorysize=16384 MB,16384 MB,16384 MB,16384 MB,16384 MB,16384 MB,16384 MB,16384 MB,&processorspeed=3000"},
      {"hp-z600",
       "Hewlett-Packard&mdlname=HP Z600 Workstation&bName=0B54h&maxmemory=24 GB&totalslots=6  (Currently Memory in 4 Slots)&memoryspeeds=1600 MHz,1600 MHz,1600 MHz,1600 MHz,&memorysize=8192 MB,8192 MB,8192 MB,8192 MB,&processorspeed=2666"},
      {"lenovo-thinkcentre-m720s",
       "LENOVO&mdlname=10STS04K00&bName=312A&maxmemory=64 GB&totalslots=4  (Currently Memory in 3 Slots)&memoryspeeds=2667 MHz,2400 MHz,2400 MHz,&memorysize=8192 MB,8192 MB,8192 MB,&processorspeed=3600"},
      {"lenovo-thinkpad-t480",
       "LENOVO&mdlname=20L8S07A14&bName=20L8S07A14&maxmemory=32 GB&totalslots=2  (Currently Memory in 2 Slots)&memoryspeeds=2400 MHz,2400 MHz,&memorysize=8192 MB,16384 MB,&processorspeed=1900"},
      {"lenovo-thinkpad-t490",
       "LENOVO&mdlname=20N2CTO1WW&bName=20N2CTO1WW&maxmemory=32 GB&totalslots=2  (Currently Memory in 2 Slots)&memoryspeeds=2667 MHz,2667 MHz,&memorysize=8192 MB,32768 MB,&processorspeed=1800"},
      {"lenovo-thinkpad-w510",
       "LENOVO&mdlname=431924G&bName=431924G&maxmemory=16 GB&totalslots=4  (Currently Memory in 2 Slots)&memoryspeeds=1334 MHz,1334 MHz,&memorysize=4096 MB,4096 MB,&processorspeed=1600"},
      {"lenovo-thinkpad-x280",
       "LENOVO&mdlname=20KFCTO1WW&bName=20KFCTO1WW&maxmemory=32 GB&totalslots=2  (Currently Memory in 2 Slots)&memoryspeeds=2400 MHz,2400 MHz,&memorysize=4096 MB,4096 MB,&processorspeed=1600"},
      {"msi-ms-7816",
       "MSI&mdlname=MS-7816&bName=H87-G43 (MS-7816)&maxmemory=32 GB&totalslots=4  (Currently Memory in 4 Slots)&memoryspeeds=1600 MHz,1600 MHz,1600 MHz,1600 MHz,&memorysize=8192 MB,8192 MB,8192 MB,8192 MB,&processorspeed=3400"},
      {"supermicro-x9dbl",
       "Thomas-Krenn.AG&mdlname=X9DBL-3F/X9DBL-iF&bName=X9DBL-3F/X9DBL-iF&maxmemory=96 GB&totalslots=6  (Currently Memory in 6 Slots)&memoryspeeds=1333 MHz,1333 MHz,1333 MHz,1333 MHz,1333 MHz,1333 MHz,&memorysize=4096 MB,4096 MB,16384 MB,4096 MB,4096 MB,16384 MB,&processorspeed=1800"},
      {"synology-rs3614xsp",
       "Synology&mdlname=RS3614xs%2B&bName=RS3614xs%2B&maxmemory=32 GB&totalslots=4  (Currently Memory in 4 Slots)&memoryspeeds=1600 MHz,1600 MHz,1600 MHz,1600 MHz,&memorysize=8192 MB,8192 MB,8192 MB,8192 MB,&processorspeed=3300"},
      {"toshiba-satellite-pro-l70a",
       "TOSHIBA&mdlname=SATELLITE PRO L70-A&bName=Type2 - Board Product Name1&maxmemory=32 GB&totalslots=4  (Currently Memory in 2 Slots)&memoryspeeds=1600 MHz,1600 MHz,&memorysize=8192 MB,8192 MB,&processorspeed=2600"},
      {"vmware-vm-128slots",
       "VMware, Inc.&mdlname=VMware Virtual Platform&bName=440BX Desktop Reference Platform&maxmemory=3 GB&totalslots=64  (Currently Memory in 1 Slots)&memoryspeeds= MHz,&memorysize=1024 MB,&processorspeed=2400"},
  };
  for (const auto& c : cases) {
    const std::string expected = std::string("http://shop.example/mc/rigscope.asp?manufacturer = ") + c.parameters +
                                 "&site=quillfieldstore";
    EXPECT_EQ(scanDump(c.dump).lookupAddress, expected) << c.dump;
  }
}

TEST(DumpSource, WritesTheWholeReportOfRealMachines) {
  SKIP_WITHOUT_DUMPS();
  for (const char* name : {"lenovo-thinkpad-t480", "supermicro-x9dbl", "hp-z600"}) {
    EXPECT_EQ(scanDump(name).systemReport, fileText(testData / (std::string(name) + ".report.txt"))) << name;
  }
}

class DumpFile : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary) << bytes;
    return path_;
  }
  void TearDown() override { std::filesystem::remove(path_); }

  std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                ("rigscope-dump-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
};

std::string failureOf(const std::filesystem::path& path) {
  try {
    (void)makeDumpSource(path);
  } catch (const InventoryError& error) {
    return error.what();
  }
  return "no failure";
}

TEST_F(DumpFile, SaysWhyAFileIsNoUsableDump) {
  EXPECT_EQ(failureOf("/nonexistent/table.bin"), "cannot read /nonexistent/table.bin: No such file or directory");
  EXPECT_EQ(failureOf("/"), "cannot read /: Is a directory");
  const auto notADump = write("hello, this is text\n");
  EXPECT_NE(failureOf(notADump).find(notADump.string() + ": not an SMBIOS"), std::string::npos) << failureOf(notADump);
}

}  // namespace
}  // namespace inventory
