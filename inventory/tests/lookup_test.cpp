#include "inventory/lookup.h"

#include <gtest/gtest.h>

namespace inventory {
namespace {

InventoryValue text(const char* value) {
  return InventoryValue::text(value);
}

// The machine of the worked example: maker Acme, placeholder model, board
// B-100, 4 sockets, 2 modules of 2048 MB at 1333, 16 GB maximum, 2933 MHz.
InventoryRecord exampleMachine() {
  InventoryRecord record;
  record.systemManufacturer = text("Acme");
  record.systemModel = text(std::string(notAvailable).c_str());
  record.boardProduct = text("B-100");
  record.memoryDevices = InventoryValue::integer(4);
  record.populatedSlots = 2;
  record.maximumGb = 16;
  record.moduleSpeeds = "1333 MHz,1333 MHz,";
  record.moduleSizes = "2048 MB,2048 MB,";
  record.processorClock = InventoryValue::integer(2933);
  return record;
}

std::string addressOf(const InventoryRecord& record) {
  return buildLookupAddress(record, buildDisplayTexts(record, NumberFormat{"."}), "shop.example:8080");
}

TEST(BuildLookupAddress, JoinsTheNineParametersInOrder) {
  EXPECT_EQ(addressOf(exampleMachine()),
            "http://shop.example:8080/mc/rigscope.asp?manufacturer = Acme&mdlname=B-100&bName=B-100"
            "&maxmemory=16 GB&totalslots=4  (Currently Memory in 2 Slots)&memoryspeeds=1333 MHz,1333 MHz,"
            "&memorysize=2048 MB,2048 MB,&processorspeed=2933&site=quillfieldstore");
}

TEST(BuildLookupAddress, FallsBackToTheBoardOnlyForTheExactPlaceholder) {
  InventoryRecord record = exampleMachine();
  record.boardProduct = InventoryValue();
  EXPECT_NE(addressOf(record).find("&mdlname=&bName=&"), std::string::npos);

  record.systemModel = text("not available");
  EXPECT_NE(addressOf(record).find("&mdlname=not available&"), std::string::npos);
}

TEST(BuildLookupAddress, LeavesEmptyModuleListsEmpty) {
  InventoryRecord record = exampleMachine();
  record.moduleSpeeds.clear();
  record.moduleSizes.clear();
  EXPECT_NE(addressOf(record).find("&memoryspeeds=&memorysize=&"), std::string::npos);
}

TEST(BuildLookupAddress, EscapesCharactersThatWouldSplitOrEndTheQuery) {
  InventoryRecord record = exampleMachine();
  record.systemManufacturer = text("A&B=C #1 +2 100%");
  record.systemModel = text("Model&site=evil");
  record.boardProduct = text("B (rev, 2)");
  const std::string address = addressOf(record);
  EXPECT_NE(address.find("?manufacturer = A%26B%3DC %231 %2B2 100%25&mdlname=Model%26site%3Devil&bName=B (rev, 2)&"),
            std::string::npos)
      << address;
}

}  // namespace
}  // namespace inventory
