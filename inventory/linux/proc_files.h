#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace inventory::linux_facts {

// One physical processor package as /proc/cpuinfo describes it.
struct CpuPackage {
  std::optional<std::string> modelName;  // "model name"
  std::optional<std::string> vendorId;   // "vendor_id"
  std::optional<double> mhz;             // "cpu MHz"
};

// The packages of /proc/cpuinfo in order of first appearance, one per
// distinct "physical id" (all processors form one package without it),
// described by their first processor.
[[nodiscard]] std::vector<CpuPackage> parseCpuInfo(std::string_view text);

// "MemTotal" of /proc/meminfo, in kilobytes.
[[nodiscard]] std::optional<std::uint64_t> parseMemTotalKb(std::string_view text);

// The Windows SystemType for a kernel architecture name (uname -m).
[[nodiscard]] std::string systemTypeOf(std::string_view architecture);

}  // namespace inventory::linux_facts
