// Real tables from the shared folder, each checked against dmidecode's own
// decoding of the same file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "inventory/smbios/table.h"
#include "inventory/smbios/tests/dmidecode_text.h"

namespace inventory::smbios {
namespace {

using testing::DmidecodeBlock;
using testing::dmidecodeNumber;
using testing::dmidecodeSizeBytes;

const std::filesystem::path dumpFolder{RIGSCOPE_SMBIOS_DUMPS};

[[nodiscard]] std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// dmidecode's name for each memory type code (1 to 0x23).
[[nodiscard]] std::optional<std::uint8_t> memoryTypeCodeNamed(const std::string& name) {
  static const std::vector<std::string> names{
      "Other",  "Unknown", "DRAM",   "EDRAM",  "VRAM",   "SRAM",         "RAM",    "ROM",
      "Flash",  "EEPROM",  "FEPROM", "EPROM",  "CDRAM",  "3DRAM",        "SDRAM",  "SGRAM",
      "RDRAM",  "DDR",     "DDR2",   "DDR2 FB-DIMM", "Reserved", "Reserved", "Reserved", "DDR3",
      "FBD2",   "DDR4",    "LPDDR",  "LPDDR2", "LPDDR3", "LPDDR4", "Logical non-volatile device",
      "HBM",    "HBM2",    "DDR5",   "LPDDR5"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name && name != "Reserved") {
      return static_cast<std::uint8_t>(i + 1);
    }
  }
  return std::nullopt;
}

[[nodiscard]] std::optional<std::uint8_t> arrayUseNamed(const std::string& name) {
  static const std::vector<std::string> names{"Other",        "Unknown",          "System Memory", "Video Memory",
                                              "Flash Memory", "Non-volatile RAM", "Cache Memory"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) {
      return static_cast<std::uint8_t>(i + 1);
    }
  }
  return std::nullopt;
}

// Checks one record field against the line dmidecode printed for it.
class BlockCheck {
 public:
  BlockCheck(const std::string& dump, const DmidecodeBlock& block) : block_(block) {
    std::ostringstream where;
    where << dump << ", handle 0x" << std::hex << block.handle << ", type " << std::dec << block.type;
    where_ = where.str();
  }

  [[nodiscard]] std::string printed(const std::string& key) const {
    const auto value = block_.value(key);
    if (!value) {
      ADD_FAILURE() << where_ << ": dmidecode printed no \"" << key << "\"";
      return {};
    }
    return *value;
  }

  // dmidecode prints "Not Specified" for string index 0 and "<BAD INDEX>"
  // for an index past the set; the firmware may also have written the
  // words "Not Specified" itself.
  void string(const std::string& key, const std::optional<std::string>& actual) const {
    const std::string text = printed(key);
    if (text == "Not Specified") {
      EXPECT_TRUE(!actual || *actual == text) << where_ << ", " << key << ": " << *actual;
    } else if (text == "<BAD INDEX>") {
      EXPECT_EQ(actual, std::nullopt) << where_ << ", " << key;
    } else {
      EXPECT_EQ(actual, text) << where_ << ", " << key;
    }
  }

  // "Unknown" for a zero clock or speed, else "<n> MHz" or "<n> MT/s".
  void number(const std::string& key, std::optional<std::uint32_t> actual) const {
    const std::string text = printed(key);
    EXPECT_EQ(actual, text == "Unknown" ? std::nullopt : dmidecodeNumber(text)) << where_ << ", " << key;
  }

  template <typename T>
  void equal(const std::string& key, const T& expected, const T& actual) const {
    EXPECT_EQ(actual, expected) << where_ << ", " << key << ": dmidecode printed \"" << printed(key) << "\"";
  }

 private:
  const DmidecodeBlock& block_;
  std::string where_;
};

[[nodiscard]] std::string versionText(const SmbiosVersion& version) {
  std::string text = std::to_string(version.major) + "." + std::to_string(version.minor);
  if (version.major >= 3) {
    text += "." + std::to_string(version.docrev);
  }
  return text;
}

[[nodiscard]] ModuleSize printedModuleSize(const std::string& text) {
  if (text == "No Module Installed") {
    return ModuleSize::empty();
  }
  if (text == "Unknown") {
    return ModuleSize::unknown();
  }
  const auto bytes = dmidecodeSizeBytes(text);
  return bytes ? ModuleSize::ofBytes(*bytes) : ModuleSize::unknown();
}

void checkAgainstDmidecode(const std::string& name, const SmbiosTable& table, const testing::DmidecodeText& text) {
  EXPECT_EQ(versionText(table.version), text.version);

  const auto bios = text.ofType(0);
  ASSERT_EQ(table.bios.size(), bios.size());
  for (std::size_t i = 0; i < bios.size(); ++i) {
    const BlockCheck check(name, bios[i]);
    check.string("Vendor", table.bios[i].vendor);
    check.string("Version", table.bios[i].version);
  }

  const auto systems = text.ofType(1);
  ASSERT_EQ(table.systems.size(), systems.size());
  for (std::size_t i = 0; i < systems.size(); ++i) {
    const BlockCheck check(name, systems[i]);
    check.string("Manufacturer", table.systems[i].manufacturer);
    check.string("Product Name", table.systems[i].productName);
    check.string("Version", table.systems[i].version);
    check.string("Serial Number", table.systems[i].serialNumber);
  }

  const auto boards = text.ofType(2);
  ASSERT_EQ(table.baseboards.size(), boards.size());
  for (std::size_t i = 0; i < boards.size(); ++i) {
    const BlockCheck check(name, boards[i]);
    check.string("Manufacturer", table.baseboards[i].manufacturer);
    check.string("Product Name", table.baseboards[i].product);
  }

  const auto processors = text.ofType(4);
  ASSERT_EQ(table.processors.size(), processors.size());
  for (std::size_t i = 0; i < processors.size(); ++i) {
    const BlockCheck check(name, processors[i]);
    const ProcessorInfo& processor = table.processors[i];
    check.string("Manufacturer", processor.manufacturer);
    check.string("Version", processor.version);
    check.number("External Clock", processor.externalClockMhz);
    check.number("Current Speed", processor.currentSpeedMhz);
    // "Populated, Enabled", "Populated, Disabled By BIOS", "Unpopulated".
    check.equal("Status", check.printed("Status").starts_with("Populated,"), processor.populated);
  }

  const auto arrays = text.ofType(16);
  ASSERT_EQ(table.memoryArrays.size(), arrays.size());
  for (std::size_t i = 0; i < arrays.size(); ++i) {
    const BlockCheck check(name, arrays[i]);
    const MemoryArrayInfo& array = table.memoryArrays[i];
    check.equal("Handle", arrays[i].handle, array.handle);
    check.equal("Use", arrayUseNamed(check.printed("Use")), array.use);
    const std::string capacity = check.printed("Maximum Capacity");
    const auto capacityBytes = dmidecodeSizeBytes(capacity);
    check.equal("Maximum Capacity",
                capacity == "Unknown" || !capacityBytes ? std::nullopt
                                                        : std::optional<std::uint64_t>(*capacityBytes / 1024),
                array.maximumCapacityKb);
    check.equal("Number Of Devices", dmidecodeNumber(check.printed("Number Of Devices")),
                array.deviceCount ? std::optional<std::uint32_t>(*array.deviceCount) : std::nullopt);
  }

  const auto devices = text.ofType(17);
  ASSERT_EQ(table.memoryDevices.size(), devices.size());
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const BlockCheck check(name, devices[i]);
    const MemoryDeviceInfo& device = table.memoryDevices[i];
    check.equal("Handle", devices[i].handle, device.handle);
    check.equal("Array Handle", std::optional<std::uint16_t>(std::stoi(check.printed("Array Handle"), nullptr, 16)),
                device.arrayHandle);
    check.equal("Size", printedModuleSize(check.printed("Size")), device.size);
    const std::string type = check.printed("Type");
    if (type.starts_with("<OUT OF ")) {  // dmidecode's mark for a code it has no name for
      EXPECT_TRUE(!device.memoryTypeCode || *device.memoryTypeCode == 0 || *device.memoryTypeCode > 0x23);
    } else if (type == "Reserved") {
      EXPECT_TRUE(device.memoryTypeCode >= 0x15 && device.memoryTypeCode <= 0x17);
    } else {
      check.equal("Type", memoryTypeCodeNamed(type), device.memoryTypeCode);
    }
    // dmidecode leaves out the speed and what follows it for an empty slot.
    if (!(device.size.isEmpty() && !devices[i].value("Speed"))) {
      check.number("Speed", device.speedMts);
    }
    check.string("Locator", device.deviceLocator);
  }
}

class RealDump : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(dumpFolder)) {
      GTEST_SKIP() << "real SMBIOS dumps not found at " << dumpFolder
                   << " (the shared folder beside the checkout); skipping the real-table checks";
    }
    const std::filesystem::path bin = dumpFolder / (std::string(GetParam()) + ".bin");
    ASSERT_TRUE(std::filesystem::exists(bin)) << bin << " is missing from the dump folder";
    file_ = readFile(bin);
  }

  std::vector<std::uint8_t> file_;
};

TEST_P(RealDump, MatchesDmidecode) {
  const SmbiosTable table = parseDump(file_);
  EXPECT_FALSE(table.truncated()) << *table.truncation;

  std::ifstream textFile(dumpFolder / (std::string(GetParam()) + ".dmidecode.txt"));
  ASSERT_TRUE(textFile) << "no dmidecode text beside " << GetParam() << ".bin";
  const testing::DmidecodeText text = testing::parseDmidecodeText(textFile);
  ASSERT_FALSE(text.blocks.empty());
  checkAgainstDmidecode(GetParam(), table, text);
}

TEST_P(RealDump, SysfsFilesDecodeLikeTheDump) {
  // The entry point as Linux shows it, and the table from offset 0x20.
  const std::size_t entryLength = file_.at(1) == 'S' && file_.at(3) == '3' ? file_.at(6)
                                  : file_.at(1) == 'S'                     ? file_.at(5)
                                                                           : 15;
  const std::span<const std::uint8_t> bytes(file_);
  EXPECT_EQ(parseTable(bytes.first(entryLength), bytes.subspan(0x20)), parseDump(file_));
}

template <typename Record>
[[nodiscard]] bool isPrefixOf(const std::vector<Record>& part, const std::vector<Record>& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

TEST(RealDumpCut, ATableCutAnywhereYieldsARecordPrefixOfTheWhole) {
  const std::filesystem::path bin = dumpFolder / "asus-ux305la.bin";
  if (!std::filesystem::exists(bin)) {
    GTEST_SKIP() << "real SMBIOS dump not found at " << bin << "; skipping the real-table checks";
  }
  const std::vector<std::uint8_t> file = readFile(bin);
  const std::span<const std::uint8_t> bytes(file);
  const SmbiosTable whole = parseDump(file);
  std::size_t truncatedCuts = 0;
  for (std::size_t cut = 0x20; cut < file.size(); ++cut) {
    const SmbiosTable part = parseTable(bytes.first(0x1F), bytes.subspan(0x20, cut - 0x20));
    ASSERT_TRUE(isPrefixOf(part.bios, whole.bios) && isPrefixOf(part.systems, whole.systems) &&
                isPrefixOf(part.baseboards, whole.baseboards) && isPrefixOf(part.processors, whole.processors) &&
                isPrefixOf(part.memoryArrays, whole.memoryArrays) &&
                isPrefixOf(part.memoryDevices, whole.memoryDevices))
        << "cut at " << cut;
    truncatedCuts += part.truncated() ? 1 : 0;
  }
  // Only a cut right between structures, or one to 3 bytes after, ends quietly.
  constexpr std::size_t structures = 27;  // as dmidecode counts them
  EXPECT_GE(truncatedCuts, file.size() - 0x20 - 4 * structures);
}

// What each dump's README line promises, as totals a reader can check by eye.
struct DumpFacts {
  const char* name;
  SmbiosVersion version;
  std::size_t systemArrays;
  std::size_t devices;
  std::size_t modules;  // devices of known size, in any array
  std::uint64_t moduleGib;
  std::size_t populatedProcessors;
};

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

TEST(RealDumpFacts, MatchTheFolderReadme) {
  if (!std::filesystem::is_directory(dumpFolder)) {
    GTEST_SKIP() << "real SMBIOS dumps not found at " << dumpFolder << "; skipping the real-table checks";
  }
  const std::vector<DumpFacts> facts{
      {"asus-ux305la", {2, 8, 0}, 1, 2, 2, 8, 1},
      {"gigabyte-ga-ma74gmt-s2", {2, 4, 0}, 1, 4, 2, 2, 1},
      {"gigabyte-x399-aorus-xtreme", {3, 1, 1}, 1, 8, 8, 128, 1},
      {"hp-z600", {2, 6, 0}, 2, 7, 5, 32, 2},  // plus the 2 MB flash device, below 1 GiB
      {"lenovo-thinkcentre-m720s", {3, 2, 1}, 1, 4, 3, 24, 1},
      {"lenovo-thinkpad-t480", {3, 0, 0}, 1, 2, 2, 24, 1},
      {"lenovo-thinkpad-t490", {3, 1, 1}, 1, 2, 2, 40, 1},
      {"lenovo-thinkpad-w510", {2, 6, 0}, 1, 4, 2, 8, 1},
      {"lenovo-thinkpad-x280", {3, 0, 0}, 1, 2, 2, 8, 1},
      {"msi-ms-7816", {2, 8, 0}, 1, 4, 4, 32, 1},
      {"supermicro-x9dbl", {2, 7, 0}, 2, 6, 6, 48, 2},
      {"synology-rs3614xsp", {2, 7, 0}, 1, 4, 4, 32, 1},
      {"toshiba-satellite-pro-l70a", {2, 7, 0}, 1, 4, 2, 16, 1},
      // Every socket has the populated bit; 126 of them say "disabled by BIOS".
      {"vmware-vm-128slots", {2, 7, 0}, 1, 128, 1, 1, 128},
  };
  for (const DumpFacts& expected : facts) {
    SCOPED_TRACE(expected.name);
    const SmbiosTable table = parseDump(readFile(dumpFolder / (std::string(expected.name) + ".bin")));
    EXPECT_EQ(table.version, expected.version);
    EXPECT_EQ(std::count_if(table.memoryArrays.begin(), table.memoryArrays.end(),
                            [](const MemoryArrayInfo& array) { return array.isSystemMemory(); }),
              static_cast<std::ptrdiff_t>(expected.systemArrays));
    EXPECT_EQ(table.memoryDevices.size(), expected.devices);
    std::size_t modules = 0;
    std::uint64_t bytes = 0;
    for (const MemoryDeviceInfo& device : table.memoryDevices) {
      if (device.size.bytes()) {
        ++modules;
        bytes += *device.size.bytes();
      }
    }
    EXPECT_EQ(modules, expected.modules);
    EXPECT_EQ(bytes / GiB, expected.moduleGib);
    EXPECT_EQ(std::count_if(table.processors.begin(), table.processors.end(),
                            [](const ProcessorInfo& processor) { return processor.populated; }),
              static_cast<std::ptrdiff_t>(expected.populatedProcessors));
  }
}

INSTANTIATE_TEST_SUITE_P(Dumps, RealDump,
                         ::testing::Values("asus-ux305la", "gigabyte-ga-ma74gmt-s2", "gigabyte-x399-aorus-xtreme",
                                           "hp-z600", "lenovo-thinkcentre-m720s", "lenovo-thinkpad-t480",
                                           "lenovo-thinkpad-t490", "lenovo-thinkpad-w510", "lenovo-thinkpad-x280",
                                           "msi-ms-7816", "supermicro-x9dbl", "synology-rs3614xsp",
                                           "toshiba-satellite-pro-l70a", "vmware-vm-128slots"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace inventory::smbios
