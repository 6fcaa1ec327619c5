#include "inventory/display.h"

#include <gtest/gtest.h>

namespace inventory {
namespace {

const NumberFormat point{"."};

TEST(NormalisePlaceholders, ReplacesTextsContainingSystemInTheFourSystemFields) {
  const struct {
    const char* firmware;
    const char* shown;
  } cases[] = {
      {"System manufacturer", "Not Available"},
      {"System Product Name", "Not Available"},
      {"Systemax", "Not Available"},  // matches inside words
      {"Operating System", "Not Available"},
      {"SYSTEM", "SYSTEM"},           // case-sensitive
      {"system", "system"},
      {"To be filled by O.E.M.", "To be filled by O.E.M."},
  };
  for (const auto& c : cases) {
    InventoryRecord record;
    record.systemManufacturer = record.systemModel = record.productVersion = record.productIdentifyingNumber =
        InventoryValue::text(c.firmware);
    normalisePlaceholders(record);
    for (const auto* field : {&record.systemManufacturer, &record.systemModel, &record.productVersion,
                              &record.productIdentifyingNumber}) {
      EXPECT_EQ(valueText(*field), c.shown) << "for " << c.firmware;
    }
  }
}

TEST(NormalisePlaceholders, LeavesOtherFieldsAndMissingValuesAlone) {
  InventoryRecord record;
  record.systemModel = InventoryValue::null();
  record.boardProduct = InventoryValue::text("System Product Name");
  record.systemType = InventoryValue::text("System Type");
  record.biosVersion = InventoryValue::text("System BIOS");
  const InventoryRecord before = record;
  normalisePlaceholders(record);
  EXPECT_EQ(record, before);
}

TEST(FormatCapacity, WritesGigabytesFromOneUpAndMegabytesBelow) {
  const struct {
    double gb;
    const char* text;
  } cases[] = {
      {3.5, "3.5 GB"}, {7.89, "7.89 GB"},     {32, "32 GB"},     {1, "1 GB"},
      {0.99, "1013.76 MB"}, {0.49, "501.76 MB"}, {0.5, "512 MB"}, {0, "0 MB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatCapacity(c.gb, point), c.text) << "for " << c.gb;
  }
  EXPECT_EQ(formatCapacity(7.89, NumberFormat{","}), "7,89 GB");
}

TEST(BuildDisplayTexts, SummarisesSocketsAndInstalledModules) {
  InventoryRecord record;
  record.installedGb = 7.89;
  record.populatedSlots = 2;
  EXPECT_EQ(buildDisplayTexts(record, point),
            (DisplayTexts{"7.89 GB", "0 MB", "  (Currently Memory in 2 Slots)"}));
  record.memoryDevices = InventoryValue::integer(4);
  EXPECT_EQ(buildSlotSummary(record), "4  (Currently Memory in 2 Slots)");
}

}  // namespace
}  // namespace inventory
