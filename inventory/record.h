#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inventory/source.h"
#include "inventory/value.h"

namespace inventory {

// One installed memory module as the main window lists it.
struct ModuleRow {
  InventoryValue locator;
  std::string sizeText;   // e.g. "4096 MB"
  std::string speedText;  // e.g. "1333 MHz"

  friend bool operator==(const ModuleRow&, const ModuleRow&) = default;
};

// All values of one scan.
struct InventoryRecord {
  // Win32_ComputerSystem
  InventoryValue systemManufacturer;
  InventoryValue systemModel;
  double installedGb = 0;
  InventoryValue systemType;
  // Win32_PhysicalMemoryArray
  double maximumGb = 0;
  InventoryValue memoryManufacturer;
  InventoryValue memoryDevices;
  // Win32_PhysicalMemory, accumulated per module
  std::string moduleSizes;
  std::string moduleTypes;
  std::string moduleSpeeds;
  std::string moduleLocators;
  std::vector<ModuleRow> moduleRows;
  std::int16_t populatedSlots = 0;
  // Win32_Processor
  InventoryValue processorName;
  InventoryValue processorManufacturer;
  InventoryValue processorClock;
  InventoryValue processorExtClock;
  // Win32_Bios
  InventoryValue biosManufacturer;
  InventoryValue biosVersion;
  // Win32_ComputerSystemProduct
  InventoryValue productIdentifyingNumber;
  InventoryValue productVersion;
  // Win32_Baseboard
  InventoryValue boardManufacturer;
  InventoryValue boardProduct;

  friend bool operator==(const InventoryRecord&, const InventoryRecord&) = default;
};

// The moniker of the local machine's root\cimv2 namespace with impersonation.
inline constexpr std::string_view localMoniker = "winmgmts:{impersonationLevel=impersonate}!\\\\.\\root\\cimv2";

// Takes the machine's inventory in one pass: connects, sends each of the
// seven class queries exactly once, and returns the complete record. Throws
// InventoryError naming the step, class or property that failed.
[[nodiscard]] InventoryRecord collectInventory(InventorySource& source,
                                               const NumberFormat& format = NumberFormat::user());

}  // namespace inventory
