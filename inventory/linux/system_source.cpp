#include "inventory/system_source.h"

#include <sys/utsname.h>

#include <utility>

#include "inventory/facts/fact_source.h"
#include "inventory/linux/live_facts.h"

namespace inventory {
namespace {

std::string kernelArchitecture() {
  utsname name{};
  return uname(&name) == 0 ? std::string(name.machine) : std::string();
}

// Gathers the facts when the scan connects, not when the program starts.
class LiveSource final : public InventorySource {
 public:
  explicit LiveSource(linux_facts::LiveSystem system) : system_(std::move(system)) {}

  std::unique_ptr<InventoryService> connect(std::string_view moniker) override {
    FactSource facts(linux_facts::gatherLiveFacts(system_));
    return facts.connect(moniker);
  }

 private:
  linux_facts::LiveSystem system_;
};

// The running system; its udev database, too, is opened when the scan connects.
class SystemSource final : public InventorySource {
 public:
  std::unique_ptr<InventoryService> connect(std::string_view moniker) override {
    const auto udev = linux_facts::systemUdevDatabase();
    LiveSource live({.root = "/", .architecture = kernelArchitecture(), .udev = udev.get()});
    return live.connect(moniker);
  }
};

}  // namespace

std::unique_ptr<InventorySource> makeSystemSource() {
  return std::make_unique<SystemSource>();
}

std::unique_ptr<InventorySource> linux_facts::makeLiveSource(LiveSystem system) {
  return std::make_unique<LiveSource>(std::move(system));
}

}  // namespace inventory
