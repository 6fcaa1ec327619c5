// The two public entry points: where the table is, how far it reaches, and failures.

#include "inventory/smbios/table.h"

#include <gtest/gtest.h>

#include <functional>

#include "inventory/smbios/testing/table_builder.h"

namespace inventory::smbios {
namespace {

using testing::Bytes;
using testing::EntryKind;
using testing::entryPoint;
using testing::StructureBuilder;
using testing::tableOf;

[[nodiscard]] Bytes sampleTable() {
  return tableOf({
      StructureBuilder(0, 0x18, 0x0000).u8(0x04, 1).strings({"Vendor"}),
      StructureBuilder(17, 0x22, 0x0011).u16(0x0C, 0x0800),
      testing::endOfTable(),
  });
}

[[nodiscard]] std::string formatErrorOf(const std::function<void()>& parse) {
  try {
    parse();
  } catch (const FormatError& error) {
    return error.what();
  }
  return "no FormatError";
}

TEST(ParseDump, ReadsTheTableBehindEachEntryPointKind) {
  const Bytes table = sampleTable();
  const std::vector<std::pair<EntryKind, SmbiosVersion>> kinds{
      {EntryKind::Smbios3, {3, 2, 1}}, {EntryKind::Smbios2, {2, 8, 0}}, {EntryKind::LegacyDmi, {2, 1, 0}}};
  for (const auto& [kind, version] : kinds) {
    const SmbiosTable parsed = parseDump(testing::dumpOf(table, kind, 3));
    EXPECT_EQ(parsed.version, version);
    ASSERT_EQ(parsed.bios.size(), 1u);
    EXPECT_EQ(parsed.bios[0].vendor, "Vendor");
    ASSERT_EQ(parsed.memoryDevices.size(), 1u);
    EXPECT_EQ(parsed.memoryDevices[0].size, ModuleSize::ofBytes(2048ull * 1024 * 1024));
    EXPECT_FALSE(parsed.truncated());
  }
}

TEST(ParseDump, StopsAfterTheStructureCountOf2xEntryPoints) {
  const SmbiosTable parsed = parseDump(testing::dumpOf(sampleTable(), EntryKind::Smbios2, 1));
  EXPECT_EQ(parsed.bios.size(), 1u);
  EXPECT_TRUE(parsed.memoryDevices.empty());
  EXPECT_FALSE(parsed.truncated());
}

struct Misplaced {
  const char* name;
  EntryKind kind;
  std::uint64_t address;
  std::uint32_t length;  // the sample table is 74 bytes long
  const char* message;
};

void PrintTo(const Misplaced& m, std::ostream* out) { *out << m.name; }

class ParseDumpRefusal : public ::testing::TestWithParam<Misplaced> {};

TEST_P(ParseDumpRefusal, RefusesATableOutsideTheFile) {
  const Misplaced& m = GetParam();
  const Bytes file =
      testing::dumpFile(entryPoint(m.kind, {.tableAddress = m.address, .tableLength = m.length}), sampleTable());
  ASSERT_EQ(file.size(), 0x20u + 74u);
  EXPECT_EQ(formatErrorOf([&] { (void)parseDump(file); }), m.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDumpRefusal,
    ::testing::Values(
        Misplaced{"AddressPastTheEnd", EntryKind::Smbios2, 0x000F0000, 74,
                  "damaged SMBIOS dump: table outside the file: 74 bytes at 0xF0000 do not fit between the 31-byte "
                  "entry point and the end of the 106-byte file"},
        Misplaced{"LengthPastTheEnd", EntryKind::Smbios3, 0x20, 75,
                  "damaged SMBIOS dump: table outside the file: 75 bytes at 0x20 do not fit between the 24-byte "
                  "entry point and the end of the 106-byte file"},
        Misplaced{"AddressNearTheTopOf64Bits", EntryKind::Smbios3, 0xFFFF'FFFF'FFFF'FFF0u, 0x20,
                  "damaged SMBIOS dump: table outside the file: 32 bytes at 0xFFFFFFFFFFFFFFF0 do not fit between "
                  "the 24-byte entry point and the end of the 106-byte file"},
        Misplaced{"AddressInsideTheEntryPoint", EntryKind::LegacyDmi, 0x04, 74,
                  "damaged SMBIOS dump: table outside the file: 74 bytes at 0x4 do not fit between the 15-byte "
                  "entry point and the end of the 106-byte file"}),
    [](const ::testing::TestParamInfo<Misplaced>& info) { return std::string(info.param.name); });

TEST(ParseDump, RefusesAFileThatIsNoDump) {
  const Bytes text{'H', 'a', 'n', 'd', 'l', 'e', ' ', '0', 'x', '0', '0'};
  EXPECT_EQ(formatErrorOf([&] { (void)parseDump(text); }),
            "not an SMBIOS dump: no _SM3_, _SM_ or _DMI_ anchor at offset 0");
  Bytes badChecksum = testing::dumpOf(sampleTable());
  badChecksum[0x08] ^= 0x01;
  EXPECT_EQ(formatErrorOf([&] { (void)parseDump(badChecksum); }),
            "damaged SMBIOS dump: _SM3_ checksum mismatch (its 24 bytes sum to 0x01, not 0x00)");
}

TEST(ParseDump, DamagedStructureIsNoErrorButMarksTheTableTruncated) {
  Bytes table = tableOf({
      StructureBuilder(1, 0x1B, 0x0001).u8(0x04, 1).strings({"Maker"}),
      StructureBuilder(2, 0x02, 0x0002),  // length below the header's own 4 bytes
      StructureBuilder(0, 0x18, 0x0003),
      testing::endOfTable(),
  });
  const SmbiosTable parsed = parseDump(testing::dumpOf(table));
  ASSERT_EQ(parsed.systems.size(), 1u);
  EXPECT_EQ(parsed.systems[0].manufacturer, "Maker");
  EXPECT_TRUE(parsed.baseboards.empty());
  EXPECT_TRUE(parsed.bios.empty());
  ASSERT_TRUE(parsed.truncated());
  EXPECT_EQ(*parsed.truncation,
            "SMBIOS table damaged: structure of type 2 at table offset 0x0022 declares a length of 2 bytes, less "
            "than its own header, so the next structure cannot be found; kept the 1 structures read before it");
}

TEST(ParseTable, IgnoresTheAddressAndIsBoundedByTheStatedLength) {
  const Bytes table = sampleTable();
  Bytes longer = table;
  const Bytes extra = tableOf({StructureBuilder(2, 0x0F, 0x0099)});
  // Behind the stated length: a structure that must not be read.
  longer.erase(longer.end() - 6, longer.end());
  longer.insert(longer.end(), extra.begin(), extra.end());
  const auto statedLength = static_cast<std::uint32_t>(longer.size() - extra.size());

  for (const EntryKind kind : {EntryKind::Smbios3, EntryKind::Smbios2, EntryKind::LegacyDmi}) {
    const Bytes entry = entryPoint(kind, {.tableAddress = 0x000F0000, .tableLength = statedLength});
    const SmbiosTable parsed = parseTable(entry, longer);
    EXPECT_EQ(parsed.bios.size(), 1u);
    EXPECT_EQ(parsed.memoryDevices.size(), 1u);
    EXPECT_TRUE(parsed.baseboards.empty());
    EXPECT_FALSE(parsed.truncated());
  }
}

TEST(ParseTable, ATableFileShorterThanStatedIsReadToItsEndAndNoFurther) {
  const Bytes table = sampleTable();
  const Bytes entry = entryPoint(EntryKind::Smbios3, {.tableLength = 0x1000});

  const SmbiosTable whole = parseTable(entry, table);
  EXPECT_EQ(whole, parseDump(testing::dumpOf(table)));
  EXPECT_FALSE(whole.truncated());

  // Cut inside the memory device's string set.
  const Bytes cut(table.begin(), table.end() - 7);
  const SmbiosTable parsed = parseTable(entry, cut);
  EXPECT_EQ(parsed.bios.size(), 1u);
  EXPECT_TRUE(parsed.memoryDevices.empty());
  EXPECT_TRUE(parsed.truncated());
}

TEST(ParseTable, RefusesABadEntryPoint) {
  Bytes entry = entryPoint(EntryKind::Smbios2, {.tableLength = 74});
  entry[0x11] = 'X';
  EXPECT_EQ(formatErrorOf([&] { (void)parseTable(entry, sampleTable()); }),
            "damaged SMBIOS entry point: _SM_ checksum mismatch (its 31 bytes sum to 0x14, not 0x00)");
}

}  // namespace
}  // namespace inventory::smbios
