#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "inventory/value.h"

namespace inventory {

// One instance returned by a class query.
class InventoryInstance {
 public:
  virtual ~InventoryInstance() = default;

  // Reads a property, its name matched without regard to case.
  // Throws InventoryError when the property cannot be read.
  [[nodiscard]] virtual InventoryValue read(std::string_view property) const = 0;
};

using InventoryInstances = std::vector<std::unique_ptr<InventoryInstance>>;

// A connection to the system management service, as returned by connect.
class InventoryService {
 public:
  virtual ~InventoryService() = default;

  // Runs a query of the form "Select * from <class>" and returns its
  // instances in the service's order. Throws InventoryError when refused.
  [[nodiscard]] virtual InventoryInstances query(std::string_view queryText) = 0;
};

// The platform's system management service: connect, then query, then read.
class InventorySource {
 public:
  virtual ~InventorySource() = default;

  // Connects with a moniker naming the namespace. Throws InventoryError when
  // the service cannot be reached.
  [[nodiscard]] virtual std::unique_ptr<InventoryService> connect(std::string_view moniker) = 0;
};

}  // namespace inventory
