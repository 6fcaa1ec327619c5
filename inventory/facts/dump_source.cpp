#include "inventory/facts/dump_source.h"

#include "inventory/error.h"
#include "inventory/facts/fact_source.h"
#include "inventory/facts/smbios_facts.h"
#include "inventory/file_bytes.h"

namespace inventory {

std::unique_ptr<InventorySource> makeDumpSource(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = readFileBytes(path, maxDumpBytes);
  try {
    return std::make_unique<FactSource>(factsFromSmbios(smbios::parseDump(bytes)));
  } catch (const smbios::FormatError& error) {
    throw withContext(path.string(), error);
  }
}

}  // namespace inventory
