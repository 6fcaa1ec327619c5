#pragma once

#include <map>
#include <memory>
#include <string>

#include "inventory/facts/machine_facts.h"

namespace inventory::linux_facts {

using UdevProperties = std::map<std::string, std::string>;

// The udev database entry of /sys/class/dmi/id, where the system fills in the
// SMBIOS memory facts at boot for unprivileged readers.
class UdevDatabase {
 public:
  virtual ~UdevDatabase() = default;
  // The entry's properties; empty when there is no entry or no udev.
  [[nodiscard]] virtual UdevProperties dmiProperties() = 0;
};

// The database of the running system, through libudev.
[[nodiscard]] std::unique_ptr<UdevDatabase> systemUdevDatabase();

// The memory arrays and modules the properties describe: at most one array
// (udev keeps only the last system array), and one module per installed
// MEMORY_DEVICE_<n>, in order of n.
struct UdevMemory {
  std::vector<MemoryArrayFacts> arrays;
  std::vector<MemoryModuleFacts> modules;
};
[[nodiscard]] UdevMemory parseUdevMemory(const UdevProperties& properties);

}  // namespace inventory::linux_facts
