#include "inventory/testing/scripted_source.h"

#include <chrono>
#include <thread>

#include "inventory/error.h"
#include "inventory/query_text.h"

namespace inventory::testing {

struct ScriptedSource::Script {
  struct Class {
    std::string name;
    std::vector<Properties> instances;
    std::optional<std::string> queryFailure;
    std::vector<std::pair<std::string, std::string>> readFailures;  // property, message
  };

  Class& classNamed(const std::string& name) {
    for (auto& entry : classes) {
      if (equalsIgnoreCase(entry.name, name)) return entry;
    }
    return classes.emplace_back(Class{name, {}, {}, {}});
  }

  std::vector<Class> classes;
  std::optional<std::string> connectFailure;
  int queryDelayMs = 0;
  std::vector<std::string> log;
};

namespace {

class ScriptedInstance final : public InventoryInstance {
 public:
  ScriptedInstance(const Properties& properties, const std::vector<std::pair<std::string, std::string>>& failures)
      : properties_(properties), failures_(failures) {}

  InventoryValue read(std::string_view property) const override {
    for (const auto& [name, message] : failures_) {
      if (equalsIgnoreCase(name, property)) throw InventoryError(message);
    }
    for (const auto& [name, value] : properties_) {
      if (equalsIgnoreCase(name, property)) return value;
    }
    throw InventoryError("no such property");
  }

 private:
  Properties properties_;
  std::vector<std::pair<std::string, std::string>> failures_;
};

class ScriptedService final : public InventoryService {
 public:
  explicit ScriptedService(std::shared_ptr<ScriptedSource::Script> script) : script_(std::move(script)) {}

  InventoryInstances query(std::string_view queryText) override;

 private:
  std::shared_ptr<ScriptedSource::Script> script_;
};

}  // namespace

InventoryInstances ScriptedService::query(std::string_view queryText) {
  script_->log.push_back("query " + std::string(queryText));
  if (script_->queryDelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(script_->queryDelayMs));
  const auto className = queriedClass(queryText);
  if (!className) throw InventoryError("invalid query");
  const auto& scripted = script_->classNamed(std::string(*className));
  if (scripted.queryFailure) throw InventoryError(*scripted.queryFailure);
  InventoryInstances instances;
  for (const auto& properties : scripted.instances) {
    instances.push_back(std::make_unique<ScriptedInstance>(properties, scripted.readFailures));
  }
  return instances;
}

ScriptedSource::ScriptedSource() : script_(std::make_shared<Script>()) {}
ScriptedSource::~ScriptedSource() = default;

ScriptedSource& ScriptedSource::addInstance(const std::string& className, Properties properties) {
  script_->classNamed(className).instances.push_back(std::move(properties));
  return *this;
}

void ScriptedSource::failConnect(std::string message) {
  script_->connectFailure = std::move(message);
}

void ScriptedSource::failQuery(const std::string& className, std::string message) {
  script_->classNamed(className).queryFailure = std::move(message);
}

void ScriptedSource::failRead(const std::string& className, const std::string& property, std::string message) {
  script_->classNamed(className).readFailures.emplace_back(property, std::move(message));
}

void ScriptedSource::delayQueries(int milliseconds) {
  script_->queryDelayMs = milliseconds;
}

std::vector<std::string> ScriptedSource::log() const {
  return script_->log;
}

std::unique_ptr<InventoryService> ScriptedSource::connect(std::string_view moniker) {
  script_->log.push_back("connect " + std::string(moniker));
  if (script_->connectFailure) throw InventoryError(*script_->connectFailure);
  return std::make_unique<ScriptedService>(script_);
}

ScriptedSource twoModuleMachine() {
  const auto text = [](const char* value) { return InventoryValue::text(value); };
  const auto integer = [](std::int64_t value) { return InventoryValue::integer(value); };
  ScriptedSource source;
  source.addInstance("Win32_ComputerSystem", {{"Manufacturer", text("Acme")},
                                              {"Model", text("System Product Name")},
                                              {"TotalPhysicalMemory", text("8589934592")},
                                              {"SystemType", text("x64-based PC")}});
  source.addInstance("Win32_PhysicalMemoryArray", {{"MaxCapacity", integer(16777216)},
                                                   {"Manufacturer", InventoryValue::null()},
                                                   {"MemoryDevices", integer(4)}});
  for (const char* locator : {"DIMM0", "DIMM1"}) {
    source.addInstance("Win32_PhysicalMemory", {{"Capacity", text("4294967296")},
                                                {"MemoryType", integer(24)},
                                                {"Speed", integer(1333)},
                                                {"DeviceLocator", text(locator)}});
  }
  source.addInstance("Win32_Processor", {{"Name", text("Example CPU 3000 @ 2.93GHz")},
                                         {"Manufacturer", text("GenuineIntel")},
                                         {"CurrentClockSpeed", integer(2933)},
                                         {"ExtClock", integer(133)}});
  source.addInstance("Win32_BIOS", {{"Manufacturer", text("Example BIOS Co.")}, {"SMBIOSBIOSVersion", text("1.02")}});
  source.addInstance("Win32_ComputerSystemProduct",
                     {{"IdentifyingNumber", text("SN-0001")}, {"Version", text("Rev A")}});
  source.addInstance("Win32_BaseBoard", {{"Manufacturer", text("Acme Boards")}, {"Product", text("B-100")}});
  return source;
}

}  // namespace inventory::testing
