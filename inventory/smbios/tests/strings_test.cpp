#include "inventory/smbios/strings.h"

#include <gtest/gtest.h>

#include <string_view>

namespace inventory::smbios {
namespace {

[[nodiscard]] std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct TextCase {
  const char* name;
  std::string_view firmware;
  std::string_view expected;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class ReadableText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadableText, ConvertsAsDocumented) {
  EXPECT_EQ(readableText(bytesOf(GetParam().firmware)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadableText,
    ::testing::Values(
        TextCase{"PaddingAndPlaceholdersStay", "To Be Filled By O.E.M.   ", "To Be Filled By O.E.M.   "},
        TextCase{"ControlCharactersBecomeDots", "A\tB\x1F" "C\x7F", "A.B.C."},
        TextCase{"ValidUtf8Kept", "Caf\xC3\xA9 \xF0\x9F\x98\x80", "Caf\xC3\xA9 \xF0\x9F\x98\x80"},
        TextCase{"Latin1Converted", "Caf\xE9 \xB5" "A", "Caf\xC3\xA9 \xC2\xB5" "A"},
        TextCase{"OneBadByteMakesTheWholeStringLatin1", "\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
        TextCase{"ControlCharacterInLatin1String", "\x01\xE9", ".\xC3\xA9"},
        TextCase{"OverlongFormIsNotUtf8", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        TextCase{"SurrogateIsNotUtf8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        TextCase{"PastU10FFFFIsNotUtf8", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        TextCase{"CutSequenceIsNotUtf8", "x\xE2\x82", "x\xC3\xA2\xC2\x82"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(SetString, PicksByOneBasedIndexAndRefusesTheRest) {
  constexpr std::string_view set("Vendor\0Product 42\0 padded ", 26);
  EXPECT_EQ(setString(bytesOf(set), 0), std::nullopt);
  EXPECT_EQ(setString(bytesOf(set), 1), "Vendor");
  EXPECT_EQ(setString(bytesOf(set), 2), "Product 42");
  EXPECT_EQ(setString(bytesOf(set), 3), " padded ");
  EXPECT_EQ(setString(bytesOf(set), 4), std::nullopt);
  EXPECT_EQ(setString(bytesOf(set), 255), std::nullopt);
}

TEST(SetString, EmptySetHasNoStrings) {
  EXPECT_EQ(setString({}, 1), std::nullopt);
}

TEST(SetString, ResultIsMadeReadable) {
  constexpr std::string_view set("ok\0M\xFCller\x07", 10);
  EXPECT_EQ(setString(bytesOf(set), 2), "M\xC3\xBCller.");
}

}  // namespace
}  // namespace inventory::smbios
