#include "inventory/linux/live_facts.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "inventory/facts/smbios_facts.h"
#include "inventory/file_bytes.h"
#include "inventory/linux/proc_files.h"
#include "inventory/smbios/strings.h"
#include "inventory/smbios/table.h"

namespace inventory::linux_facts {
namespace {

// Bounds on what is read from kernel files: sysfs attributes are a page,
// and even a machine with thousands of processors has a /proc/cpuinfo well
// below this.
constexpr std::size_t maxAttributeBytes = 4096;
constexpr std::size_t maxProcFileBytes = std::size_t{16} << 20;

class Files {
 public:
  explicit Files(std::filesystem::path root) : root_(std::move(root)) {}

  [[nodiscard]] std::filesystem::path path(std::string_view relative) const { return root_ / relative; }

  [[nodiscard]] std::optional<std::string> text(std::string_view relative, std::size_t maxBytes) const {
    return readTextFile(path(relative), maxBytes);
  }

  // A sysfs attribute without its trailing newline; null when missing,
  // unreadable or empty.
  [[nodiscard]] InventoryValue attribute(std::string_view relative) const {
    std::optional<std::string> value = text(relative, maxAttributeBytes);
    if (value && !value->empty() && value->back() == '\n') value->pop_back();
    if (!value || value->empty()) return InventoryValue::null();
    return InventoryValue::text(smbios::readableText(std::string_view(*value)));
  }

  [[nodiscard]] bool exists(std::string_view relative) const {
    std::error_code error;
    return std::filesystem::exists(path(relative), error);
  }

 private:
  std::filesystem::path root_;
};

constexpr std::string_view dmiId = "sys/class/dmi/id/";

InventoryValue dmiAttribute(const Files& files, std::string_view name) {
  return files.attribute(std::string(dmiId) + std::string(name));
}

std::optional<smbios::SmbiosTable> readSmbiosTable(const Files& files) {
  try {
    const auto entryPoint = readFileBytes(files.path("sys/firmware/dmi/tables/smbios_entry_point"), maxDumpBytes);
    const auto table = readFileBytes(files.path("sys/firmware/dmi/tables/DMI"), maxDumpBytes);
    return smbios::parseTable(entryPoint, table);
  } catch (const std::runtime_error&) {
    return std::nullopt;  // unreadable without root, or damaged: use the files below
  }
}

InventoryValue totalPhysicalMemory(const Files& files) {
  const auto meminfo = files.text("proc/meminfo", maxProcFileBytes);
  const auto kilobytes = meminfo ? parseMemTotalKb(*meminfo) : std::nullopt;
  if (!kilobytes || *kilobytes > UINT64_MAX / 1024) return InventoryValue::null();
  return InventoryValue::text(std::to_string(*kilobytes * 1024));
}

InventoryValue optionalText(const std::optional<std::string>& text) {
  if (!text) return InventoryValue::null();
  return InventoryValue::text(smbios::readableText(std::string_view(*text)));
}

// The base frequency cpufreq reports in kHz, else the package's "cpu MHz".
InventoryValue processorClock(const Files& files, const CpuPackage& package) {
  const InventoryValue base = files.attribute("sys/devices/system/cpu/cpu0/cpufreq/base_frequency");
  if (base.isText()) {
    const std::string& text = base.asText();
    char* end = nullptr;
    const unsigned long long khz = std::strtoull(text.c_str(), &end, 10);
    if (end != text.c_str() && *end == '\0' && khz > 0) return InventoryValue::integer(static_cast<std::int64_t>(khz / 1000));
  }
  if (package.mhz && *package.mhz > 0 && *package.mhz < 1e9) {
    return InventoryValue::integer(static_cast<std::int64_t>(std::llround(*package.mhz)));
  }
  return InventoryValue::null();
}

std::vector<CpuPackage> cpuPackages(const Files& files) {
  const auto cpuinfo = files.text("proc/cpuinfo", maxProcFileBytes);
  return cpuinfo ? parseCpuInfo(*cpuinfo) : std::vector<CpuPackage>();
}

// With the table: its facts, but the running system's own view of memory,
// architecture and processor names, which the table does not know.
MachineFacts factsFromTable(const smbios::SmbiosTable& table, const Files& files, const LiveSystem& system) {
  MachineFacts facts = factsFromSmbios(table);
  for (auto& computer : facts.computerSystems) {
    computer.totalPhysicalMemory = totalPhysicalMemory(files);
    computer.systemType = InventoryValue::text(systemTypeOf(system.architecture));
  }
  const std::vector<CpuPackage> packages = cpuPackages(files);
  for (std::size_t i = 0; i < facts.processors.size() && !packages.empty(); ++i) {
    const CpuPackage& package = packages[std::min(i, packages.size() - 1)];
    if (package.modelName) facts.processors[i].name = optionalText(package.modelName);
    if (package.vendorId) facts.processors[i].manufacturer = optionalText(package.vendorId);
  }
  return facts;
}

MachineFacts factsWithoutTable(const Files& files, const LiveSystem& system) {
  MachineFacts facts;
  const bool haveDmi = files.exists(dmiId);
  facts.computerSystems.push_back(ComputerSystemFacts{
      .manufacturer = dmiAttribute(files, "sys_vendor"),
      .model = dmiAttribute(files, "product_name"),
      .totalPhysicalMemory = totalPhysicalMemory(files),
      .systemType = InventoryValue::text(systemTypeOf(system.architecture)),
  });

  const UdevMemory memory = system.udev ? parseUdevMemory(system.udev->dmiProperties()) : UdevMemory();
  facts.memoryArrays = memory.arrays;
  facts.memoryModules = memory.modules;

  for (const CpuPackage& package : cpuPackages(files)) {
    facts.processors.push_back(ProcessorFacts{
        .name = optionalText(package.modelName),
        .manufacturer = optionalText(package.vendorId),
        .currentClockSpeed = processorClock(files, package),
        .extClock = InventoryValue::null(),
    });
  }

  if (haveDmi) {
    facts.bios.push_back(BiosFacts{dmiAttribute(files, "bios_vendor"), dmiAttribute(files, "bios_version")});
    facts.products.push_back(
        ProductFacts{dmiAttribute(files, "product_serial"), dmiAttribute(files, "product_version")});
    facts.baseboards.push_back(
        BaseboardFacts{dmiAttribute(files, "board_vendor"), dmiAttribute(files, "board_name")});
  }
  return facts;
}

}  // namespace

MachineFacts gatherLiveFacts(const LiveSystem& system) {
  const Files files(system.root);
  if (const auto table = readSmbiosTable(files)) return factsFromTable(*table, files, system);
  return factsWithoutTable(files, system);
}

}  // namespace inventory::linux_facts
