#include "inventory/error.h"

namespace inventory {

InventoryError withContext(const std::string& context, const std::exception& cause) {
  return InventoryError(context + ": " + cause.what());
}

}  // namespace inventory
