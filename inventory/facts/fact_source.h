#pragma once

#include "inventory/facts/machine_facts.h"
#include "inventory/source.h"

namespace inventory {

// An inventory source that answers from facts gathered in advance, the way
// the Windows service would: it accepts only the local root\cimv2 moniker,
// queries of the form "Select * from <class>" for the seven classes, and the
// properties those classes carry, all names matched without regard to case.
class FactSource final : public InventorySource {
 public:
  explicit FactSource(MachineFacts facts);

  [[nodiscard]] std::unique_ptr<InventoryService> connect(std::string_view moniker) override;

 private:
  std::shared_ptr<const MachineFacts> facts_;
};

}  // namespace inventory
