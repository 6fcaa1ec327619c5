#include "inventory/scan.h"

#include <gtest/gtest.h>

#include "inventory/error.h"
#include "inventory/testing/scripted_source.h"

namespace inventory {
namespace {

using testing::ScriptedSource;

const NumberFormat point{"."};

TEST(RunScan, SucceedsWithEmptyValuesWhenTheSourceHasNoInstances) {
  ScriptedSource source;
  const ScanResult result = runScan(source, "shop.example", point);
  EXPECT_EQ(result.texts, (DisplayTexts{"0 MB", "0 MB", "  (Currently Memory in 0 Slots)"}));
  EXPECT_TRUE(result.rows.empty());
  EXPECT_NE(result.systemReport.find("System Model: \r\n"), std::string::npos);
  EXPECT_EQ(result.lookupAddress,
            "http://shop.example/mc/rigscope.asp?manufacturer = &mdlname=&bName=&maxmemory=0 MB"
            "&totalslots=  (Currently Memory in 0 Slots)&memoryspeeds=&memorysize=&processorspeed="
            "&site=quillfieldstore");
}

TEST(RunScan, NormalisesBeforeComposingAndFallsBackOnlyInTheAddress) {
  ScriptedSource source = testing::twoModuleMachine();
  const ScanResult result = runScan(source, "shop.example", point);
  EXPECT_EQ(valueText(result.record.systemModel), "Not Available");
  EXPECT_NE(result.systemReport.find("System Model: Not Available\r\n"), std::string::npos);
  EXPECT_NE(result.lookupAddress.find("&mdlname=B-100&"), std::string::npos);
  EXPECT_EQ(result.rows, result.record.moduleRows);
  EXPECT_EQ(result.texts.installedText, "8 GB");
}

TEST(RunScan, ReturnsNothingWhenALaterQueryFails) {
  ScriptedSource source = testing::twoModuleMachine();
  source.failQuery("Win32_Processor", "RPC server unavailable");
  EXPECT_THROW((void)runScan(source, "shop.example", point), InventoryError);
  // The scan stopped at the processor: later classes were never asked.
  EXPECT_EQ(source.log().back(), "query Select * from Win32_Processor");
}

}  // namespace
}  // namespace inventory
