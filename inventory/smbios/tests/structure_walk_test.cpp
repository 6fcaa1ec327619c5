#include "inventory/smbios/structure_walk.h"

#include <gtest/gtest.h>

#include "inventory/smbios/testing/table_builder.h"

namespace inventory::smbios {
namespace {

using testing::Bytes;
using testing::endOfTable;
using testing::StructureBuilder;
using testing::tableOf;

[[nodiscard]] std::vector<std::uint16_t> handlesOf(const StructureWalk& walk) {
  std::vector<std::uint16_t> handles;
  for (const Structure& structure : walk.structures) {
    handles.push_back(structure.handle);
  }
  return handles;
}

TEST(StructureWalk, KeepsTableOrderSkipsInactiveAndStopsAtEndOfTable) {
  const Bytes table = tableOf({
      StructureBuilder(0, 0x18, 0x0000).strings({"Vendor", "1.0"}),
      StructureBuilder(126, 0x1B, 0x0001).strings({"inactive"}),
      StructureBuilder(1, 0x1B, 0x0002),
      endOfTable(0x0003),
      StructureBuilder(2, 0x0F, 0x0004).strings({"after the end"}),
  });
  const StructureWalk walk = walkStructures(table);
  EXPECT_EQ(walk.damage, std::nullopt);
  EXPECT_EQ(handlesOf(walk), (std::vector<std::uint16_t>{0x0000, 0x0002}));

  const Structure& bios = walk.structures[0];
  EXPECT_EQ(bios.type, 0);
  EXPECT_EQ(bios.offset, 0u);
  EXPECT_EQ(bios.length(), 0x18u);
  EXPECT_EQ(std::string(bios.strings.begin(), bios.strings.end()), std::string("Vendor\0" "1.0", 10));
  EXPECT_EQ(walk.structures[1].strings.size(), 0u);
}

TEST(StructureWalk, EndsQuietlyWithoutEndOfTableOrAtTrailingBytes) {
  Bytes table = tableOf({StructureBuilder(1, 0x08, 0x0001), StructureBuilder(2, 0x08, 0x0002)});
  EXPECT_EQ(handlesOf(walkStructures(table)).size(), 2u);

  // Fewer than a header's bytes left over are padding, not a structure.
  table.insert(table.end(), {0x11, 0x00, 0x00});
  const StructureWalk walk = walkStructures(table);
  EXPECT_EQ(walk.damage, std::nullopt);
  EXPECT_EQ(walk.structures.size(), 2u);
}

TEST(StructureWalk, StopsAfterTheAnnouncedCountWhichIncludesInactiveStructures) {
  const Bytes table = tableOf({
      StructureBuilder(1, 0x08, 0x0001),
      StructureBuilder(126, 0x08, 0x0002),
      StructureBuilder(2, 0x08, 0x0003),
      StructureBuilder(3, 0x08, 0x0004),
  });
  EXPECT_EQ(handlesOf(walkStructures(table, 3)), (std::vector<std::uint16_t>{0x0001, 0x0003}));
  EXPECT_EQ(handlesOf(walkStructures(table, 0)).size(), 3u) << "a count of 0 means not stated";
}

TEST(StructureWalk, StopsAfterMoreStructuresThanHandlesCanName) {
  const Bytes one = StructureBuilder(200, 4, 0).bytes();
  Bytes table;
  for (int i = 0; i < 65536 + 10; ++i) table.insert(table.end(), one.begin(), one.end());
  const StructureWalk walk = walkStructures(table);
  EXPECT_EQ(walk.structures.size(), 65536u);
  EXPECT_EQ(walk.damage, "more than 65536 structures; the rest of the table was not read");
}

TEST(StructureWalk, LengthThatRunsIntoTheStringsStillFindsTheNextStructure) {
  // As on a real server board: the structure is 11 bytes but says 16, so
  // its first string begins inside the "formatted" area.
  Bytes table{34, 16, 0x4E, 0x00, 1, 4, 0, 0, 0, 0, 3, 'L', 'M', '7', '8', '-', '2', 0, 0};
  const Bytes rest = tableOf({StructureBuilder(2, 0x08, 0x004F).u8(0x04, 1).strings({"Board"}), endOfTable()});
  table.insert(table.end(), rest.begin(), rest.end());

  const StructureWalk walk = walkStructures(table);
  EXPECT_EQ(walk.damage, std::nullopt);
  ASSERT_EQ(handlesOf(walk), (std::vector<std::uint16_t>{0x004E, 0x004F}));
  EXPECT_EQ(walk.structures[0].stringAt(0x04), "2");
  EXPECT_EQ(walk.structures[1].stringAt(0x04), "Board");
}

struct Damage {
  const char* name;
  Bytes damagedTail;  // what follows one good structure
  const char* message;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class StructureWalkDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(StructureWalkDamage, EndsTheWalkKeepsWhatCameBeforeAndSaysWhy) {
  Bytes table = tableOf({StructureBuilder(1, 0x08, 0x0001).strings({"good"})});
  const std::size_t damagedAt = table.size();
  table.insert(table.end(), GetParam().damagedTail.begin(), GetParam().damagedTail.end());

  const StructureWalk walk = walkStructures(table);
  EXPECT_EQ(handlesOf(walk), (std::vector<std::uint16_t>{0x0001}));
  ASSERT_TRUE(walk.damage.has_value());
  EXPECT_EQ(*walk.damage, GetParam().message);
  EXPECT_EQ(damagedAt, 0x0Eu) << "the messages below name this offset";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StructureWalkDamage,
    ::testing::Values(
        Damage{"ZeroLength", Bytes{2, 0, 0x02, 0x00, 0, 0},
               "structure of type 2 at table offset 0x000E declares a length of 0 bytes, less than its own header, "
               "so the next structure cannot be found"},
        Damage{"LengthBelowHeader", Bytes{2, 3, 0x02, 0x00, 0, 0},
               "structure of type 2 at table offset 0x000E declares a length of 3 bytes, less than its own "
               "header, so the next structure cannot be found"},
        Damage{"FormattedAreaPastEnd", Bytes{2, 0xF0, 0x02, 0x00, 1, 2, 0, 0},
               "structure of type 2 at table offset 0x000E declares 240 bytes, but the table ends after 8"},
        Damage{"NoStringSet", Bytes{2, 4, 0x02, 0x00},
               "structure of type 2 at table offset 0x000E has a string set that runs past the end of the table "
               "(no double NUL)"},
        Damage{"NoDoubleNul", Bytes{2, 4, 0x02, 0x00, 'A', 0, 'B', 0},
               "structure of type 2 at table offset 0x000E has a string set that runs past the end of the table "
               "(no double NUL)"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(Structure, ReadsOnlyFieldsTheDeclaredLengthCovers) {
  // Declared 6 bytes; the string set right after must not be read as fields.
  const Bytes table = tableOf({StructureBuilder(17, 0x06, 0x0042).u16(0x04, 0x1234).strings({"XYZW"})});
  const StructureWalk walk = walkStructures(table);
  ASSERT_EQ(walk.structures.size(), 1u);
  const Structure& structure = walk.structures[0];
  EXPECT_EQ(structure.wordAt(0x04), 0x1234);
  EXPECT_EQ(structure.byteAt(0x05), 0x12);
  EXPECT_EQ(structure.wordAt(0x05), std::nullopt);
  EXPECT_EQ(structure.byteAt(0x06), std::nullopt);
  EXPECT_EQ(structure.dwordAt(0x04), std::nullopt);
  EXPECT_EQ(structure.qwordAt(0x00), std::nullopt);
  EXPECT_EQ(structure.stringAt(0x06), std::nullopt);
}

}  // namespace
}  // namespace inventory::smbios
