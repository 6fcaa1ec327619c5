#pragma once

#include "inventory/smbios/records.h"
#include "inventory/smbios/structure.h"

namespace inventory::smbios {

// One decoder per structure type; each reads only the fields the structure's
// declared length covers. The caller checks the type.
[[nodiscard]] BiosInfo decodeBios(const Structure& structure);
[[nodiscard]] SystemInfo decodeSystem(const Structure& structure);
[[nodiscard]] BaseboardInfo decodeBaseboard(const Structure& structure);
[[nodiscard]] ProcessorInfo decodeProcessor(const Structure& structure);
[[nodiscard]] MemoryArrayInfo decodeMemoryArray(const Structure& structure);
[[nodiscard]] MemoryDeviceInfo decodeMemoryDevice(const Structure& structure);

}  // namespace inventory::smbios
