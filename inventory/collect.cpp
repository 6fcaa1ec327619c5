#include <cmath>
#include <limits>
#include <string>

#include "inventory/error.h"
#include "inventory/record.h"

namespace inventory {
namespace {

// Answers one class query and reads its instances' properties, naming the
// class and property in any failure.
class ClassQuery {
 public:
  ClassQuery(InventoryService& service, std::string className) : className_(std::move(className)) {
    try {
      instances_ = service.query("Select * from " + className_);
    } catch (const InventoryError& error) {
      throw withContext("querying " + className_, error);
    }
  }

  [[nodiscard]] const InventoryInstances& instances() const { return instances_; }

  [[nodiscard]] InventoryValue read(const InventoryInstance& instance, const std::string& property) const {
    try {
      return instance.read(property);
    } catch (const InventoryError& error) {
      throw withContext(readingContext(property), error);
    }
  }

  // The property as a number (see InventoryValue::toNumber).
  [[nodiscard]] std::optional<double> readNumber(const InventoryInstance& instance,
                                                 const std::string& property) const {
    const InventoryValue value = read(instance, property);
    try {
      return value.toNumber();
    } catch (const InventoryError& error) {
      throw withContext(readingContext(property), error);
    }
  }

 private:
  [[nodiscard]] std::string readingContext(const std::string& property) const {
    return "reading \"" + property + "\" of " + className_;
  }

  std::string className_;
  InventoryInstances instances_;
};

std::optional<double> divide(std::optional<double> value, double divisor) {
  if (!value) return std::nullopt;
  return *value / divisor;
}

// Adds a socket count to those of the arrays before it: a null count adds
// nothing, and a single array keeps its value exactly as delivered.
InventoryValue addDeviceCount(const InventoryValue& total, const InventoryValue& count) {
  if (total.isUnset() || total.isNull()) return count;
  if (count.isNull()) return total;
  const double sum = *total.toNumber() + *count.toNumber();
  if (!(std::fabs(sum) < 1e15)) throw InventoryError("the socket count is out of range");
  return InventoryValue::integer(static_cast<std::int64_t>(sum));
}

void readComputerSystem(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_ComputerSystem");
  for (const auto& instance : query.instances()) {
    record.systemManufacturer = query.read(*instance, "manufacturer");
    record.systemModel = query.read(*instance, "Model");
    // A null total counts as no memory, like a missing one.
    const auto bytes = query.readNumber(*instance, "TotalPhysicalMemory").value_or(0);
    record.installedGb = round2(bytes / (unitBase * unitBase * unitBase));
    record.systemType = query.read(*instance, "SystemType");
  }
}

// Multi-socket machines report one array per socket: their capacities and
// socket counts add up, rather than the last array standing for all.
void readMemoryArrays(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_PhysicalMemoryArray");
  double maxCapacityKb = 0;
  InventoryValue devices;
  for (const auto& instance : query.instances()) {
    maxCapacityKb += query.readNumber(*instance, "MaxCapacity").value_or(0);
    record.memoryManufacturer = query.read(*instance, "manufacturer");
    const InventoryValue count = query.read(*instance, "MemoryDevices");
    try {
      devices = addDeviceCount(devices, count);
    } catch (const InventoryError& error) {
      throw withContext("reading \"MemoryDevices\" of Win32_PhysicalMemoryArray", error);
    }
  }
  record.maximumGb = round2(maxCapacityKb / (unitBase * unitBase));
  record.memoryDevices = devices;
}

void readMemoryModules(InventoryService& service, InventoryRecord& record, const NumberFormat& format) {
  const ClassQuery query(service, "Win32_PhysicalMemory");
  for (const auto& instance : query.instances()) {
    const std::string size = valueText(divide(query.readNumber(*instance, "capacity"), unitBase * unitBase), format);
    const InventoryValue type = query.read(*instance, "memorytype");
    const std::string speed = valueText(query.read(*instance, "speed"));
    const InventoryValue locator = query.read(*instance, "devicelocator");

    record.moduleSizes += size + " MB,";
    record.moduleTypes += valueText(type) + ",";
    record.moduleSpeeds += speed + " MHz,";
    record.moduleLocators += valueText(locator) + ",";
    record.moduleRows.push_back(ModuleRow{locator, size + " MB", speed + " MHz"});
    if (record.populatedSlots == std::numeric_limits<std::int16_t>::max()) {
      throw InventoryError("counting Win32_PhysicalMemory: more than 32767 memory modules");
    }
    ++record.populatedSlots;
  }
}

void readProcessors(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_Processor");
  for (const auto& instance : query.instances()) {
    record.processorName = query.read(*instance, "Name");
    record.processorManufacturer = query.read(*instance, "manufacturer");
    record.processorClock = query.read(*instance, "CurrentClockSpeed");
    record.processorExtClock = query.read(*instance, "extclock");
  }
}

void readBios(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_Bios");
  for (const auto& instance : query.instances()) {
    record.biosManufacturer = query.read(*instance, "manufacturer");
    record.biosVersion = query.read(*instance, "SMBIOSBIOSVersion");
  }
}

void readProduct(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_ComputerSystemProduct");
  for (const auto& instance : query.instances()) {
    record.productIdentifyingNumber = query.read(*instance, "IdentifyingNumber");
    record.productVersion = query.read(*instance, "Version");
  }
}

void readBaseboard(InventoryService& service, InventoryRecord& record) {
  const ClassQuery query(service, "Win32_Baseboard");
  for (const auto& instance : query.instances()) {
    record.boardManufacturer = query.read(*instance, "manufacturer");
    record.boardProduct = query.read(*instance, "product");
  }
}

std::unique_ptr<InventoryService> connectLocal(InventorySource& source) {
  try {
    auto service = source.connect(localMoniker);
    if (!service) throw InventoryError("the source returned no service");
    return service;
  } catch (const InventoryError& error) {
    throw withContext("connecting to the system management service", error);
  }
}

}  // namespace

InventoryRecord collectInventory(InventorySource& source, const NumberFormat& format) {
  InventoryRecord record;
  const auto service = connectLocal(source);
  readComputerSystem(*service, record);
  readMemoryArrays(*service, record);
  readMemoryModules(*service, record, format);
  readProcessors(*service, record);
  readBios(*service, record);
  readProduct(*service, record);
  readBaseboard(*service, record);
  return record;
}

}  // namespace inventory
