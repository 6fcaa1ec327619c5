#pragma once

#include <memory>
#include <string_view>

#include "inventory/source.h"

namespace inventory::wmi {

// The Windows management service (WMI) of this machine, over COM. Needs a
// ComInitialisation on the calling thread for as long as the source and
// everything it hands out live; all calls are synchronous, on that thread.
class WmiSource final : public InventorySource {
 public:
  // Connects to root\cimv2 of this machine with impersonation. Only the
  // moniker naming exactly that (localMoniker, in any case) is accepted.
  [[nodiscard]] std::unique_ptr<InventoryService> connect(std::string_view moniker) override;
};

}  // namespace inventory::wmi
