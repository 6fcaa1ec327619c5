#include "inventory/system_source.h"

#include <sys/utsname.h>

#include "inventory/facts/fact_source.h"
#include "inventory/linux/live_facts.h"

namespace inventory {
namespace {

std::string kernelArchitecture() {
  utsname name{};
  return uname(&name) == 0 ? std::string(name.machine) : std::string();
}

// Gathers the facts when the scan connects, not when the program starts.
class SystemSource final : public InventorySource {
 public:
  std::unique_ptr<InventoryService> connect(std::string_view moniker) override {
    const auto udev = linux_facts::systemUdevDatabase();
    const linux_facts::LiveSystem system{.root = "/", .architecture = kernelArchitecture(), .udev = udev.get()};
    FactSource facts(linux_facts::gatherLiveFacts(system));
    return facts.connect(moniker);
  }
};

}  // namespace

std::unique_ptr<InventorySource> makeSystemSource() {
  return std::make_unique<SystemSource>();
}

}  // namespace inventory
