#include "inventory/smbios/entry_point.h"

#include <gtest/gtest.h>

#include <functional>

#include "inventory/smbios/format_error.h"
#include "inventory/smbios/testing/table_builder.h"

namespace inventory::smbios {
namespace {

using testing::Bytes;
using testing::EntryKind;
using testing::entryPoint;
using testing::fixChecksum;

TEST(EntryPoint, ReadsEachKind) {
  const testing::EntryFields fields{.tableAddress = 0x000F0000, .tableLength = 0x0D57, .structureCount = 81};

  const EntryPoint smbios3 = parseEntryPoint(entryPoint(EntryKind::Smbios3, fields));
  EXPECT_EQ(smbios3.kind, EntryPointKind::Smbios3);
  EXPECT_EQ(smbios3.version, (SmbiosVersion{3, 2, 1}));
  EXPECT_EQ(smbios3.length, 24u);
  EXPECT_EQ(smbios3.tableAddress, 0x000F0000u);
  EXPECT_EQ(smbios3.tableLength, 0x0D57u);
  EXPECT_EQ(smbios3.structureCount, std::nullopt);

  const EntryPoint smbios2 = parseEntryPoint(entryPoint(EntryKind::Smbios2, fields));
  EXPECT_EQ(smbios2.kind, EntryPointKind::Smbios2);
  EXPECT_EQ(smbios2.version, (SmbiosVersion{2, 8, 0}));
  EXPECT_EQ(smbios2.length, 31u);
  EXPECT_EQ(smbios2.tableAddress, 0x000F0000u);
  EXPECT_EQ(smbios2.tableLength, 0x0D57u);
  EXPECT_EQ(smbios2.structureCount, 81);

  const EntryPoint legacy = parseEntryPoint(entryPoint(EntryKind::LegacyDmi, fields));
  EXPECT_EQ(legacy.kind, EntryPointKind::LegacyDmi);
  EXPECT_EQ(legacy.version, (SmbiosVersion{2, 1, 0}));
  EXPECT_EQ(legacy.length, 15u);
  EXPECT_EQ(legacy.tableAddress, 0x000F0000u);
  EXPECT_EQ(legacy.tableLength, 0x0D57u);
  EXPECT_EQ(legacy.structureCount, 81);
}

TEST(EntryPoint, ReadsA64BitTableAddress) {
  const Bytes bytes = entryPoint(EntryKind::Smbios3, {.tableAddress = 0x0000'0001'2345'6789, .tableLength = 64});
  EXPECT_EQ(parseEntryPoint(bytes).tableAddress, 0x0000'0001'2345'6789u);
}

TEST(EntryPoint, AcceptsA32ByteSmbios2EntryPoint) {
  // Some 2.x firmware states 32 bytes and checksums all of them.
  Bytes bytes = entryPoint(EntryKind::Smbios2, {.tableLength = 64});
  bytes.push_back(0x5A);
  bytes[0x05] = 0x20;
  fixChecksum(bytes, 0, 0x20, 0x04);
  EXPECT_EQ(parseEntryPoint(bytes).length, 32u);
}

struct Refusal {
  const char* name;
  EntryKind kind;
  std::function<void(Bytes&)> damage;
  const char* message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class EntryPointRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(EntryPointRefusal, ThrowsFormatErrorSayingWhatIsWrong) {
  const Refusal& refusal = GetParam();
  Bytes bytes = entryPoint(refusal.kind, {.tableLength = 64, .structureCount = 3});
  refusal.damage(bytes);
  try {
    (void)parseEntryPoint(bytes);
    FAIL() << "accepted a damaged entry point";
  } catch (const FormatError& error) {
    EXPECT_EQ(std::string(error.what()), refusal.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryPointRefusal,
    ::testing::Values(
        Refusal{"Empty", EntryKind::Smbios3, [](Bytes& b) { b.clear(); },
                "not an SMBIOS entry point: no _SM3_, _SM_ or _DMI_ anchor at offset 0"},
        Refusal{"OtherFile", EntryKind::Smbios3, [](Bytes& b) { b = {0x7F, 'E', 'L', 'F', 2, 1, 1}; },
                "not an SMBIOS entry point: no _SM3_, _SM_ or _DMI_ anchor at offset 0"},
        Refusal{"AnchorNotAtStart", EntryKind::Smbios2, [](Bytes& b) { b.insert(b.begin(), 0); },
                "not an SMBIOS entry point: no _SM3_, _SM_ or _DMI_ anchor at offset 0"},
        Refusal{"Smbios3Checksum", EntryKind::Smbios3, [](Bytes& b) { b[0x0C] ^= 0x01; },
                "damaged SMBIOS entry point: _SM3_ checksum mismatch (its 24 bytes sum to 0x01, not 0x00)"},
        Refusal{"Smbios3LengthTooShort", EntryKind::Smbios3,
                [](Bytes& b) {
                  b[0x06] = 0x10;
                  fixChecksum(b, 0, 0x10, 0x05);
                },
                "damaged SMBIOS entry point: _SM3_ entry point length 16 is below 24 bytes"},
        Refusal{"Smbios3LengthPastBuffer", EntryKind::Smbios3, [](Bytes& b) { b[0x06] = 0x1C; },
                "damaged SMBIOS entry point: _SM3_ entry point needs 28 bytes, only 24 given"},
        Refusal{"Smbios3Truncated", EntryKind::Smbios3, [](Bytes& b) { b.resize(20); },
                "damaged SMBIOS entry point: _SM3_ entry point needs 24 bytes, only 20 given"},
        Refusal{"Smbios2Checksum", EntryKind::Smbios2, [](Bytes& b) { b[0x06] = 3; },
                "damaged SMBIOS entry point: _SM_ checksum mismatch (its 31 bytes sum to 0x01, not 0x00)"},
        Refusal{"Smbios2Length", EntryKind::Smbios2,
                [](Bytes& b) {
                  b[0x05] = 0x18;
                  fixChecksum(b, 0, 0x18, 0x04);
                },
                "damaged SMBIOS entry point: _SM_ entry point length 24 is not 31 bytes"},
        Refusal{"Smbios2Truncated", EntryKind::Smbios2, [](Bytes& b) { b.resize(0x1E); },
                "damaged SMBIOS entry point: _SM_ entry point needs 31 bytes, only 30 given"},
        Refusal{"Smbios2NoIntermediateAnchor", EntryKind::Smbios2,
                [](Bytes& b) {
                  b[0x11] = 'X';
                  fixChecksum(b, 0x10, 0x0F, 0x15);
                  fixChecksum(b, 0, 0x1F, 0x04);
                },
                "damaged SMBIOS entry point: _SM_ entry point has no _DMI_ anchor at offset 0x10"},
        Refusal{"Smbios2IntermediateChecksum", EntryKind::Smbios2,
                [](Bytes& b) {
                  // The outer sum still balances; only the _DMI_ part is off.
                  b[0x1C] += 1;
                  b[0x0A] -= 1;
                },
                "damaged SMBIOS entry point: _DMI_ intermediate checksum mismatch (its 15 bytes sum to 0x01, not "
                "0x00)"},
        Refusal{"LegacyChecksum", EntryKind::LegacyDmi, [](Bytes& b) { b[0x0E] = 0x22; },
                "damaged SMBIOS entry point: _DMI_ checksum mismatch (its 15 bytes sum to 0x01, not 0x00)"},
        Refusal{"LegacyTruncated", EntryKind::LegacyDmi, [](Bytes& b) { b.resize(8); },
                "damaged SMBIOS entry point: _DMI_ entry point needs 15 bytes, only 8 given"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(EntryPoint, NamesTheSubjectInMessages) {
  EXPECT_THROW(
      {
        try {
          (void)parseEntryPoint(Bytes{'M', 'Z'}, "SMBIOS dump");
        } catch (const FormatError& error) {
          EXPECT_STREQ(error.what(), "not an SMBIOS dump: no _SM3_, _SM_ or _DMI_ anchor at offset 0");
          throw;
        }
      },
      FormatError);
}

}  // namespace
}  // namespace inventory::smbios
