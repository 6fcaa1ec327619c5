#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "inventory/facts/machine_facts.h"
#include "inventory/linux/udev_memory.h"
#include "inventory/source.h"

namespace inventory::linux_facts {

// The running system as the inventory reads it. Every file is taken below
// `root`, so tests can point it at a fixture tree.
struct LiveSystem {
  std::filesystem::path root = "/";
  std::string architecture;  // the kernel's machine name, as uname -m prints it
  UdevDatabase* udev = nullptr;
};

// Answers the seven classes for the running system: from the SMBIOS table
// when it is readable (as root), otherwise from the files every user may
// read. A class with no source has no instance; a property with no source
// reads as null.
[[nodiscard]] MachineFacts gatherLiveFacts(const LiveSystem& system);

// The inventory source over `system`, gathering its facts at each connect:
// makeSystemSource() is this over "/" and the system's udev database.
// `system.udev` has to outlive the source.
[[nodiscard]] std::unique_ptr<InventorySource> makeLiveSource(LiveSystem system);

}  // namespace inventory::linux_facts
