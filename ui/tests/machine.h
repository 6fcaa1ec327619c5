#pragma once

#include "inventory/testing/scripted_source.h"

namespace rigscope::testing {

// A machine whose every shown value is distinct, with two modules; the model,
// the memory maker and the second module's locator are null, and the maker
// carries markup that must show as plain text.
[[nodiscard]] inline inventory::testing::ScriptedSource scriptedMachine() {
  using inventory::InventoryValue;
  const auto text = [](const char* value) { return InventoryValue::text(value); };
  const auto integer = [](std::int64_t value) { return InventoryValue::integer(value); };
  inventory::testing::ScriptedSource source;
  source.addInstance("Win32_ComputerSystem", {{"Manufacturer", text("Acme <b>Works</b>")},
                                              {"Model", InventoryValue::null()},
                                              {"TotalPhysicalMemory", text("17179869184")},
                                              {"SystemType", text("x64-based PC")}});
  source.addInstance("Win32_PhysicalMemoryArray", {{"MaxCapacity", integer(33554432)},
                                                   {"Manufacturer", InventoryValue::null()},
                                                   {"MemoryDevices", integer(4)}});
  source.addInstance("Win32_PhysicalMemory", {{"Capacity", text("8589934592")},
                                              {"MemoryType", integer(26)},
                                              {"Speed", integer(2400)},
                                              {"DeviceLocator", text("ChannelA-DIMM0")}});
  source.addInstance("Win32_PhysicalMemory", {{"Capacity", text("4294967296")},
                                              {"MemoryType", integer(26)},
                                              {"Speed", integer(2666)},
                                              {"DeviceLocator", InventoryValue::null()}});
  source.addInstance("Win32_Processor", {{"Name", text("Example CPU 8650U @ 1.90GHz")},
                                         {"Manufacturer", text("GenuineIntel")},
                                         {"CurrentClockSpeed", integer(2112)},
                                         {"ExtClock", integer(100)}});
  source.addInstance("Win32_BIOS", {{"Manufacturer", text("Bios Maker")}, {"SMBIOSBIOSVersion", text("N22ET37W")}});
  source.addInstance("Win32_ComputerSystemProduct",
                     {{"IdentifyingNumber", text("PC131TBF")}, {"Version", text("ThinkBook T480s")}});
  source.addInstance("Win32_BaseBoard", {{"Manufacturer", text("Board Maker")}, {"Product", text("20L8S07A14")}});
  return source;
}

}  // namespace rigscope::testing
