#include "scan_json.h"

namespace rigscope::cli {
namespace {

using inventory::InventoryValue;
using Json = nlohmann::ordered_json;

Json valueJson(const InventoryValue& value) {
  switch (value.state()) {
    case InventoryValue::State::Unset:
      return {{"state", "unset"}};
    case InventoryValue::State::Null:
      return {{"state", "null"}};
    case InventoryValue::State::Text:
      return {{"state", "text"}, {"value", value.asText()}};
    case InventoryValue::State::Integer:
      return {{"state", "integer"}, {"value", value.asInteger()}};
  }
  return nullptr;
}

Json rowsJson(const std::vector<inventory::ModuleRow>& rows) {
  Json array = Json::array();
  for (const auto& row : rows) {
    array.push_back({{"locator", valueJson(row.locator)}, {"sizeText", row.sizeText}, {"speedText", row.speedText}});
  }
  return array;
}

Json recordJson(const inventory::InventoryRecord& record) {
  return {
      {"systemManufacturer", valueJson(record.systemManufacturer)},
      {"systemModel", valueJson(record.systemModel)},
      {"installedGb", record.installedGb},
      {"systemType", valueJson(record.systemType)},
      {"maximumGb", record.maximumGb},
      {"memoryManufacturer", valueJson(record.memoryManufacturer)},
      {"memoryDevices", valueJson(record.memoryDevices)},
      {"moduleSizes", record.moduleSizes},
      {"moduleTypes", record.moduleTypes},
      {"moduleSpeeds", record.moduleSpeeds},
      {"moduleLocators", record.moduleLocators},
      {"moduleRows", rowsJson(record.moduleRows)},
      {"populatedSlots", record.populatedSlots},
      {"processorName", valueJson(record.processorName)},
      {"processorManufacturer", valueJson(record.processorManufacturer)},
      {"processorClock", valueJson(record.processorClock)},
      {"processorExtClock", valueJson(record.processorExtClock)},
      {"biosManufacturer", valueJson(record.biosManufacturer)},
      {"biosVersion", valueJson(record.biosVersion)},
      {"productIdentifyingNumber", valueJson(record.productIdentifyingNumber)},
      {"productVersion", valueJson(record.productVersion)},
      {"boardManufacturer", valueJson(record.boardManufacturer)},
      {"boardProduct", valueJson(record.boardProduct)},
  };
}

}  // namespace

Json scanToJson(const inventory::ScanResult& result) {
  return {
      {"record", recordJson(result.record)},
      {"texts",
       {{"installedText", result.texts.installedText},
        {"maximumText", result.texts.maximumText},
        {"slotSummary", result.texts.slotSummary}}},
      {"rows", rowsJson(result.rows)},
      {"systemReport", result.systemReport},
      {"lookupAddress", result.lookupAddress},
  };
}

}  // namespace rigscope::cli
