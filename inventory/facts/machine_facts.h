#pragma once

#include <vector>

#include "inventory/value.h"

namespace inventory {

// The machine's answers to the seven class queries, gathered before any
// query is sent. Each member is one property; a vector holds the instances
// of a class in the order the service would return them.

struct ComputerSystemFacts {
  InventoryValue manufacturer;
  InventoryValue model;
  InventoryValue totalPhysicalMemory;  // bytes, as decimal text
  InventoryValue systemType;
};

struct MemoryArrayFacts {
  InventoryValue maxCapacity;  // kilobytes
  InventoryValue manufacturer;
  InventoryValue memoryDevices;
};

struct MemoryModuleFacts {
  InventoryValue capacity;    // bytes, as decimal text
  InventoryValue memoryType;  // the Windows enumeration
  InventoryValue speed;       // MT/s
  InventoryValue deviceLocator;
};

struct ProcessorFacts {
  InventoryValue name;
  InventoryValue manufacturer;
  InventoryValue currentClockSpeed;  // MHz
  InventoryValue extClock;           // MHz
};

struct BiosFacts {
  InventoryValue manufacturer;
  InventoryValue smbiosBiosVersion;
};

struct ProductFacts {
  InventoryValue identifyingNumber;
  InventoryValue version;
};

struct BaseboardFacts {
  InventoryValue manufacturer;
  InventoryValue product;
};

struct MachineFacts {
  std::vector<ComputerSystemFacts> computerSystems;
  std::vector<MemoryArrayFacts> memoryArrays;
  std::vector<MemoryModuleFacts> memoryModules;
  std::vector<ProcessorFacts> processors;
  std::vector<BiosFacts> bios;
  std::vector<ProductFacts> products;
  std::vector<BaseboardFacts> baseboards;
};

}  // namespace inventory
