#pragma once

#include "inventory/facts/machine_facts.h"
#include "inventory/smbios/table.h"

namespace inventory {

// Answers the seven classes from an SMBIOS table alone, as for a table
// replayed from a file: no running system stands behind it, so the total
// memory is the sum of the installed modules and the system type is null.
[[nodiscard]] MachineFacts factsFromSmbios(const smbios::SmbiosTable& table);

}  // namespace inventory
