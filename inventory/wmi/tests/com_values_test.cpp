#include "inventory/wmi/com_values.h"

#include <gtest/gtest.h>

#include "inventory/error.h"

namespace inventory::wmi {
namespace {

VariantData integerVariant(std::uint16_t type, std::uint64_t bits, std::int32_t cimType = cimEmpty) {
  return VariantData{.type = type, .cimType = cimType, .bits = bits};
}

VariantData textVariant(std::u16string text) {
  return VariantData{.type = vtBstr, .cimType = cimString, .text = std::move(text)};
}

TEST(VariantConversion, GivesNullForEmptyAndNull) {
  EXPECT_EQ(toInventoryValue(VariantData{.type = vtEmpty}), InventoryValue::null());
  EXPECT_EQ(toInventoryValue(VariantData{.type = vtNull, .cimType = cimUint16}), InventoryValue::null());
}

TEST(VariantConversion, GivesTextForStringsAndKeepsDecimalCountsAsText) {
  EXPECT_EQ(toInventoryValue(textVariant(u"DIMM 0")), InventoryValue::text("DIMM 0"));
  EXPECT_EQ(toInventoryValue(textVariant(u"")), InventoryValue::text(""));
  // uint64 properties such as Capacity arrive as BSTR and stay text.
  const VariantData capacity{.type = vtBstr, .cimType = cimUint64, .text = u"17179869184"};
  EXPECT_EQ(toInventoryValue(capacity), InventoryValue::text("17179869184"));
}

TEST(VariantConversion, ReadsEachIntegerTypeAtItsWidthAndSignedness) {
  // Bytes beyond the type's width are junk left in the union and must not leak in.
  const std::uint64_t junk = 0xDEADBEEF'00000000;
  const struct {
    std::uint16_t type;
    std::uint64_t bits;
    std::int32_t cimType;
    std::int64_t expected;
  } cases[] = {
      {vtI1, junk | 0xFF, cimEmpty, -1},
      {vtUi1, junk | 0xFF, cimUint8, 255},
      {vtI2, junk | 0xFFFF, cimSint16, -1},
      {vtI2, junk | 0xFF80, cimSint8, -128},  // the service widens sint8 to VT_I2
      {vtUi2, junk | 0xFFFF, cimEmpty, 65535},
      {vtI4, 0xFFFFFFFF, cimSint32, -1},
      {vtI4, 1333, cimUint16, 1333},  // uint16 arrives as VT_I4
      {vtInt, 0x80000000, cimEmpty, -2147483648LL},
      {vtUi4, junk | 0xFFFFFFFF, cimEmpty, 4294967295LL},
      {vtUint, 0xFFFFFFFF, cimEmpty, 4294967295LL},
      {vtI8, 0x80000000'00000000, cimSint64, INT64_MIN},
      {vtUi8, 0x7FFFFFFF'FFFFFFFF, cimUint64, INT64_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toInventoryValue(integerVariant(c.type, c.bits, c.cimType)), InventoryValue::integer(c.expected))
        << varTypeName(c.type) << " bits " << std::hex << c.bits;
  }
}

TEST(VariantConversion, TakesUint32PropertiesDeliveredAsI4AsUnsigned) {
  // MaxCapacity of a board taking 2 TiB: 0x80000000 KB, delivered as VT_I4.
  EXPECT_EQ(toInventoryValue(integerVariant(vtI4, 0x80000000, cimUint32)), InventoryValue::integer(2147483648LL));
  EXPECT_EQ(toInventoryValue(integerVariant(vtI4, 0xFFFFFFFF, cimUint32)), InventoryValue::integer(4294967295LL));
}

TEST(VariantConversion, RefusesWhatIsNeitherNullTextNorInteger) {
  const struct {
    std::uint16_t type;
    const char* name;
  } cases[] = {
      {vtBool, "VT_BOOL"},
      {vtR8, "VT_R8"},
      {vtDate, "VT_DATE"},
      {vtUnknown, "VT_UNKNOWN"},
      {vtArray | vtBstr, "VT_ARRAY|VT_BSTR"},
      {vtByref | vtI4, "VT_BYREF|VT_I4"},
      {0x48, "VARTYPE 0x0048"},
  };
  for (const auto& c : cases) {
    try {
      (void)toInventoryValue(integerVariant(c.type, 1));
      ADD_FAILURE() << c.name << " was accepted";
    } catch (const InventoryError& error) {
      EXPECT_EQ(std::string(error.what()),
                std::string("the service delivered a ") + c.name + " value, which is neither null, text nor an integer");
    }
  }
}

TEST(VariantConversion, RefusesUnsigned64BitValuesBeyondTheIntegerRange) {
  try {
    (void)toInventoryValue(integerVariant(vtUi8, 0xFFFFFFFF'FFFFFFFF));
    ADD_FAILURE() << "accepted";
  } catch (const InventoryError& error) {
    EXPECT_STREQ(error.what(), "the unsigned value 18446744073709551615 (VT_UI8) is too large for an integer");
  }
}

TEST(WideText, ConvertsBetweenUtf16AndUtf8) {
  const struct {
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {u"x64 based PC", "x64 based PC"},
      {u"", ""},
      {u"Ger\u00e4t \u2122", "Ger\xC3\xA4t \xE2\x84\xA2"},
      {u"\U0001F5A5 PC", "\xF0\x9F\x96\xA5 PC"},  // a surrogate pair
      {std::u16string(u"A\0B", 3), std::string("A\0B", 3)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8);
    EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16);
  }
}

TEST(WideText, ReplacesWhatCannotBeConverted) {
  EXPECT_EQ(utf8FromUtf16(u"a\xD800"), "a\xEF\xBF\xBD");           // high surrogate at the end
  EXPECT_EQ(utf8FromUtf16(u"\xDC00z"), "\xEF\xBF\xBDz");           // low surrogate alone
  EXPECT_EQ(utf8FromUtf16(u"\xD800\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(utf16FromUtf8("\xC3"), u"\xFFFD");                    // truncated
  EXPECT_EQ(utf16FromUtf8("\xC0\xAF"), u"\xFFFD\xFFFD");          // overlong '/'
  EXPECT_EQ(utf16FromUtf8("\xED\xA0\x80!"), u"\xFFFD\xFFFD\xFFFD!");  // encoded surrogate
  EXPECT_EQ(utf16FromUtf8("\xF4\x90\x80\x80"), u"\xFFFD\xFFFD\xFFFD\xFFFD");  // beyond U+10FFFF
}

TEST(HresultText, GivesTheCodeInHexWithItsName) {
  EXPECT_EQ(hresultText(0x80041002), "HRESULT 0x80041002 WBEM_E_NOT_FOUND");
  EXPECT_EQ(hresultText(0x8004100E), "HRESULT 0x8004100E WBEM_E_INVALID_NAMESPACE");
  EXPECT_EQ(hresultText(0x800401F0), "HRESULT 0x800401F0 CO_E_NOTINITIALIZED");
  EXPECT_EQ(hresultText(0x8004BEEF), "HRESULT 0x8004BEEF");
}

}  // namespace
}  // namespace inventory::wmi
