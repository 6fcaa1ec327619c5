#include "inventory/smbios/table.h"

#include <algorithm>

#include "inventory/smbios/byte_cursor.h"
#include "inventory/smbios/decode.h"
#include "inventory/smbios/entry_point.h"
#include "inventory/smbios/hex.h"
#include "inventory/smbios/structure_walk.h"

namespace inventory::smbios {
namespace {

constexpr std::uint8_t biosType = 0;
constexpr std::uint8_t systemType = 1;
constexpr std::uint8_t baseboardType = 2;
constexpr std::uint8_t processorType = 4;
constexpr std::uint8_t memoryArrayType = 16;
constexpr std::uint8_t memoryDeviceType = 17;

[[nodiscard]] SmbiosTable decodeTable(const EntryPoint& entryPoint, std::span<const std::uint8_t> table) {
  SmbiosTable result;
  result.version = entryPoint.version;
  const StructureWalk walk = walkStructures(table, entryPoint.structureCount);
  for (const Structure& structure : walk.structures) {
    switch (structure.type) {
      case biosType:
        result.bios.push_back(decodeBios(structure));
        break;
      case systemType:
        result.systems.push_back(decodeSystem(structure));
        break;
      case baseboardType:
        result.baseboards.push_back(decodeBaseboard(structure));
        break;
      case processorType:
        result.processors.push_back(decodeProcessor(structure));
        break;
      case memoryArrayType:
        result.memoryArrays.push_back(decodeMemoryArray(structure));
        break;
      case memoryDeviceType:
        result.memoryDevices.push_back(decodeMemoryDevice(structure));
        break;
      default:
        break;
    }
  }
  if (walk.damage) {
    result.truncation = "SMBIOS table damaged: " + *walk.damage + "; kept the " +
                        std::to_string(walk.structures.size()) + " structures read before it";
  }
  return result;
}

}  // namespace

SmbiosTable parseTable(std::span<const std::uint8_t> entryPointBytes, std::span<const std::uint8_t> tableBytes) {
  const EntryPoint entryPoint = parseEntryPoint(entryPointBytes);
  const std::size_t length = std::min<std::size_t>(entryPoint.tableLength, tableBytes.size());
  return decodeTable(entryPoint, tableBytes.first(length));
}

SmbiosTable parseDump(std::span<const std::uint8_t> fileBytes) {
  const EntryPoint entryPoint = parseEntryPoint(fileBytes, "SMBIOS dump");
  // Compared against what is left after the address so no sum can wrap.
  const bool inside = entryPoint.tableAddress <= fileBytes.size() &&
                      entryPoint.tableLength <= fileBytes.size() - entryPoint.tableAddress;
  if (!inside || entryPoint.tableAddress < entryPoint.length) {
    throw FormatError("damaged SMBIOS dump: table outside the file: " + std::to_string(entryPoint.tableLength) +
                      " bytes at " + hex(entryPoint.tableAddress) + " do not fit between the " +
                      std::to_string(entryPoint.length) + "-byte entry point and the end of the " +
                      std::to_string(fileBytes.size()) + "-byte file");
  }
  ByteCursor cursor(fileBytes, static_cast<std::size_t>(entryPoint.tableAddress));
  return decodeTable(entryPoint, cursor.bytes(entryPoint.tableLength));
}

}  // namespace inventory::smbios
