#pragma once

#include <stdexcept>
#include <string>

namespace inventory {

// The one failure type of the inventory core. Its message names what failed
// (the class, property or step) so that a person can act on it.
class InventoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Returns an error whose message is `context` + ": " + the cause's message.
[[nodiscard]] InventoryError withContext(const std::string& context, const std::exception& cause);

}  // namespace inventory
