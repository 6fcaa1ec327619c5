#include "inventory/report.h"

#include <initializer_list>
#include <string_view>

namespace inventory {
namespace {

std::string banner(std::string_view title) {
  return "************" + std::string(title) + "**********";
}

// A value holding a line break or other control character would add or
// garble report lines; it shows as '.', as firmware strings do on Linux.
void appendLine(std::string& report, std::string_view line) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    report += (byte < 0x20 || byte == 0x7F) ? '.' : c;
  }
  report += "\r\n";
}

}  // namespace

std::string buildReport(const InventoryRecord& record, const DisplayTexts& texts) {
  const std::initializer_list<std::string> lines = {
      banner("System"),
      "",
      "System Manufacturer:" + valueText(record.systemManufacturer),
      "System Model: " + valueText(record.systemModel),
      "System Version: " + valueText(record.productVersion),
      "IdentifyingNumber: " + valueText(record.productIdentifyingNumber),
      "System Type: " + valueText(record.systemType),
      "",
      banner("Motherboard"),
      "",
      "Mother Board Manufacturer: " + valueText(record.boardManufacturer),
      "Motherboard Model: " + valueText(record.boardProduct),
      "",
      banner("Processor"),
      "",
      "Processor: " + valueText(record.processorName),
      "Processor Manufacturer: " + valueText(record.processorManufacturer),
      "Processor Speed: " + valueText(record.processorClock),
      "Processor FSB: " + valueText(record.processorExtClock),
      "",
      banner("Bios"),
      "",
      "Bios: " + valueText(record.biosManufacturer),
      "Version: " + valueText(record.biosVersion),
      "",
      banner("Memory Details"),
      "",
      "Memory Manufacturer: " + valueText(record.memoryManufacturer),
      "Installed RAM: " + texts.installedText,
      "Maximum RAM: " + texts.maximumText,
      "Total Slots: " + valueText(record.memoryDevices),
      "Capacity: " + record.moduleSizes,
      "Memory Type: " + record.moduleTypes,
      "Speed: " + record.moduleSpeeds,
      "Slots: " + record.moduleLocators,
  };
  std::string report;
  for (const auto& line : lines) appendLine(report, line);
  return report;
}

}  // namespace inventory
