#include "inventory/lookup.h"

namespace inventory {
namespace {

// Escapes the characters that would end, split or garble a query parameter;
// everything else goes into the address as it is.
std::string parameterValue(std::string_view value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (const char c : value) {
    switch (c) {
      case '&': escaped += "%26"; break;
      case '=': escaped += "%3D"; break;
      case '#': escaped += "%23"; break;
      case '+': escaped += "%2B"; break;
      case '%': escaped += "%25"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// The board product stands in for a model the firmware left as a placeholder.
std::string modelText(const InventoryRecord& record) {
  const std::string model = valueText(record.systemModel);
  return model == notAvailable ? valueText(record.boardProduct) : model;
}

}  // namespace

std::string buildLookupAddress(const InventoryRecord& record, const DisplayTexts& texts, std::string_view host) {
  return "http://" + std::string(host) + "/mc/rigscope.asp" +
         "?manufacturer = " + parameterValue(valueText(record.systemManufacturer)) +
         "&mdlname=" + parameterValue(modelText(record)) +
         "&bName=" + parameterValue(valueText(record.boardProduct)) +
         "&maxmemory=" + parameterValue(texts.maximumText) +
         "&totalslots=" + parameterValue(texts.slotSummary) +
         "&memoryspeeds=" + parameterValue(record.moduleSpeeds) +
         "&memorysize=" + parameterValue(record.moduleSizes) +
         "&processorspeed=" + parameterValue(valueText(record.processorClock)) +
         "&site=quillfieldstore";
}

}  // namespace inventory
