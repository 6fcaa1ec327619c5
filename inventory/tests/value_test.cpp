#include "inventory/value.h"

#include <gtest/gtest.h>

#include "inventory/error.h"

namespace inventory {
namespace {

const NumberFormat point{"."};
const NumberFormat comma{","};

TEST(ValueText, GivesEachStateItsText) {
  EXPECT_EQ(valueText(InventoryValue()), "");
  EXPECT_EQ(valueText(InventoryValue::null()), "");
  EXPECT_EQ(valueText(InventoryValue::text(" DIMM 0 ")), " DIMM 0 ");
  EXPECT_EQ(valueText(InventoryValue::integer(1333)), "1333");
  EXPECT_EQ(valueText(InventoryValue::integer(-7)), "-7");
  EXPECT_EQ(valueText(std::optional<double>()), "");
}

TEST(ValueText, WritesRealsShortestWithFifteenSignificantDigits) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {8192, "8192"},
      {7.89, "7.89"},
      {0.1 + 0.2, "0.3"},  // the binary error sits beyond 15 digits
      {1013.76, "1013.76"},
      {501.76, "501.76"},
      {0, "0"},
      {-0.0, "0"},
      {-2.5, "-2.5"},
      {2.0 / 3.0, "0.666666666666667"},
      {123456789012345678.0, "123456789012346000"},
      {1e20, "100000000000000000000"},
      {0.000012, "0.000012"},
      {8.0 * 1024 * 1024 * 1024 / (1024.0 * 1024.0), "8192"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(valueText(c.value, point), c.expected) << "for " << c.value;
  }
}

TEST(ValueText, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(valueText(7.89, comma), "7,89");
  EXPECT_EQ(valueText(8192.0, comma), "8192");
  EXPECT_EQ(valueText(0.5, NumberFormat{"\xd9\xab"}), "0\xd9\xab" "5");  // a multi-byte separator
}

TEST(Round2, RoundsHalfwayValuesToTheEvenNeighbour) {
  const struct {
    double value;
    double expected;
  } cases[] = {
      {7.8902, 7.89}, {3.5, 3.5}, {0.125, 0.12}, {0.375, 0.38}, {2.675, 2.67},  // 2.675 is stored just below
      {0.994, 0.99},  {0.996, 1}, {0, 0},        {-0.125, -0.12},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(round2(c.value), c.expected) << "for " << c.value;
  }
}

TEST(InventoryValueNumber, ReadsTextAsDecimalAndUnsetAsZero) {
  EXPECT_EQ(InventoryValue().toNumber(), 0.0);
  EXPECT_EQ(InventoryValue::null().toNumber(), std::nullopt);
  EXPECT_EQ(InventoryValue::integer(2933).toNumber(), 2933.0);
  EXPECT_EQ(InventoryValue::text("8589934592").toNumber(), 8589934592.0);
  EXPECT_EQ(InventoryValue::text(" 12.5 ").toNumber(), 12.5);
  for (const char* bad : {"", "abc", "12 GB", "0x10", "inf", "nan", "1e5", "1.2.3"}) {
    EXPECT_THROW((void)InventoryValue::text(bad).toNumber(), InventoryError) << "for \"" << bad << '"';
  }
}

}  // namespace
}  // namespace inventory
