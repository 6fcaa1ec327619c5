#include "inventory/system_source.h"

#include "inventory/wmi/wmi_source.h"

namespace inventory {

std::unique_ptr<InventorySource> makeSystemSource() {
  return std::make_unique<wmi::WmiSource>();
}

}  // namespace inventory
