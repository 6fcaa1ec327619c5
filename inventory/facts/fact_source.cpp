#include "inventory/facts/fact_source.h"

#include <array>
#include <span>
#include <string>

#include "inventory/error.h"
#include "inventory/query_text.h"
#include "inventory/record.h"

namespace inventory {
namespace {

template <typename Facts>
struct Property {
  std::string_view name;
  InventoryValue Facts::*member;
};

// One class: its name, where its instances are kept, and its properties.
template <typename Facts, std::size_t Count>
struct ClassSchema {
  std::string_view name;
  std::vector<Facts> MachineFacts::*instances;
  std::array<Property<Facts>, Count> properties;
};

constexpr ClassSchema<ComputerSystemFacts, 4> computerSystemClass{
    "Win32_ComputerSystem",
    &MachineFacts::computerSystems,
    {{{"Manufacturer", &ComputerSystemFacts::manufacturer},
      {"Model", &ComputerSystemFacts::model},
      {"TotalPhysicalMemory", &ComputerSystemFacts::totalPhysicalMemory},
      {"SystemType", &ComputerSystemFacts::systemType}}}};

constexpr ClassSchema<MemoryArrayFacts, 3> memoryArrayClass{
    "Win32_PhysicalMemoryArray",
    &MachineFacts::memoryArrays,
    {{{"MaxCapacity", &MemoryArrayFacts::maxCapacity},
      {"Manufacturer", &MemoryArrayFacts::manufacturer},
      {"MemoryDevices", &MemoryArrayFacts::memoryDevices}}}};

constexpr ClassSchema<MemoryModuleFacts, 4> memoryModuleClass{
    "Win32_PhysicalMemory",
    &MachineFacts::memoryModules,
    {{{"Capacity", &MemoryModuleFacts::capacity},
      {"MemoryType", &MemoryModuleFacts::memoryType},
      {"Speed", &MemoryModuleFacts::speed},
      {"DeviceLocator", &MemoryModuleFacts::deviceLocator}}}};

constexpr ClassSchema<ProcessorFacts, 4> processorClass{
    "Win32_Processor",
    &MachineFacts::processors,
    {{{"Name", &ProcessorFacts::name},
      {"Manufacturer", &ProcessorFacts::manufacturer},
      {"CurrentClockSpeed", &ProcessorFacts::currentClockSpeed},
      {"ExtClock", &ProcessorFacts::extClock}}}};

constexpr ClassSchema<BiosFacts, 2> biosClass{
    "Win32_BIOS",
    &MachineFacts::bios,
    {{{"Manufacturer", &BiosFacts::manufacturer}, {"SMBIOSBIOSVersion", &BiosFacts::smbiosBiosVersion}}}};

constexpr ClassSchema<ProductFacts, 2> productClass{
    "Win32_ComputerSystemProduct",
    &MachineFacts::products,
    {{{"IdentifyingNumber", &ProductFacts::identifyingNumber}, {"Version", &ProductFacts::version}}}};

constexpr ClassSchema<BaseboardFacts, 2> baseboardClass{
    "Win32_BaseBoard",
    &MachineFacts::baseboards,
    {{{"Manufacturer", &BaseboardFacts::manufacturer}, {"Product", &BaseboardFacts::product}}}};

template <typename Facts>
class FactInstance final : public InventoryInstance {
 public:
  FactInstance(std::shared_ptr<const MachineFacts> owner, const Facts& facts,
               std::span<const Property<Facts>> properties, std::string_view className)
      : owner_(std::move(owner)), facts_(facts), properties_(properties), className_(className) {}

  InventoryValue read(std::string_view property) const override {
    for (const auto& known : properties_) {
      if (equalsIgnoreCase(known.name, property)) return facts_.*(known.member);
    }
    throw InventoryError("the class " + std::string(className_) + " has no property \"" + std::string(property) +
                         "\"");
  }

 private:
  std::shared_ptr<const MachineFacts> owner_;  // keeps facts_ alive
  const Facts& facts_;
  std::span<const Property<Facts>> properties_;
  std::string_view className_;
};

class FactService final : public InventoryService {
 public:
  explicit FactService(std::shared_ptr<const MachineFacts> facts) : facts_(std::move(facts)) {}

  InventoryInstances query(std::string_view queryText) override {
    const auto className = queriedClass(queryText);
    if (!className) {
      throw InventoryError("cannot answer the query \"" + std::string(queryText) +
                           "\": only \"Select * from <class>\" is supported");
    }
    InventoryInstances instances;
    const bool known = answer(computerSystemClass, *className, instances) ||
                       answer(memoryArrayClass, *className, instances) ||
                       answer(memoryModuleClass, *className, instances) ||
                       answer(processorClass, *className, instances) || answer(biosClass, *className, instances) ||
                       answer(productClass, *className, instances) ||
                       answer(baseboardClass, *className, instances);
    if (!known) throw InventoryError("the class \"" + std::string(*className) + "\" is not known here");
    return instances;
  }

 private:
  template <typename Facts, std::size_t Count>
  bool answer(const ClassSchema<Facts, Count>& schema, std::string_view className,
              InventoryInstances& instances) const {
    if (!equalsIgnoreCase(schema.name, className)) return false;
    for (const Facts& facts : (*facts_).*(schema.instances)) {
      instances.push_back(std::make_unique<FactInstance<Facts>>(facts_, facts, schema.properties, schema.name));
    }
    return true;
  }

  std::shared_ptr<const MachineFacts> facts_;
};

}  // namespace

FactSource::FactSource(MachineFacts facts) : facts_(std::make_shared<const MachineFacts>(std::move(facts))) {}

std::unique_ptr<InventoryService> FactSource::connect(std::string_view moniker) {
  if (!equalsIgnoreCase(moniker, localMoniker)) {
    throw InventoryError("cannot connect to \"" + std::string(moniker) +
                         "\": only the local machine's root\\cimv2 namespace is answered here");
  }
  return std::make_unique<FactService>(facts_);
}

}  // namespace inventory
