#include "inventory/linux/proc_files.h"

#include <charconv>
#include <set>

namespace inventory::linux_facts {
namespace {

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Calls `visit(key, value)` for each "key : value" line.
template <typename Visit>
void forEachField(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
      visit(trim(line), std::string_view());
    } else {
      visit(trim(line.substr(0, colon)), trim(line.substr(colon + 1)));
    }
  }
}

template <typename Number>
std::optional<Number> parseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::vector<CpuPackage> parseCpuInfo(std::string_view text) {
  struct Processor {
    std::optional<std::string> physicalId;
    CpuPackage package;
    bool seen = false;
  };
  std::set<std::optional<std::string>> packageIds;
  std::vector<CpuPackage> packages;
  Processor current;

  const auto finish = [&] {
    if (!current.seen) return;
    if (packageIds.insert(current.physicalId).second) packages.push_back(current.package);
    current = Processor();
  };

  forEachField(text, [&](std::string_view key, std::string_view value) {
    if (key.empty()) {
      finish();  // a blank line ends a processor's block
      return;
    }
    current.seen = true;
    if (key == "physical id") {
      current.physicalId = std::string(value);
    } else if (key == "model name" && !value.empty()) {
      current.package.modelName = std::string(value);
    } else if (key == "vendor_id" && !value.empty()) {
      current.package.vendorId = std::string(value);
    } else if (key == "cpu MHz") {
      current.package.mhz = parseNumber<double>(value);
    }
  });
  finish();
  return packages;
}

std::optional<std::uint64_t> parseMemTotalKb(std::string_view text) {
  std::optional<std::uint64_t> total;
  forEachField(text, [&](std::string_view key, std::string_view value) {
    if (key != "MemTotal" || total) return;
    const auto space = value.find(' ');
    if (space != std::string_view::npos && value.substr(space + 1) != "kB") return;
    total = parseNumber<std::uint64_t>(value.substr(0, space));
  });
  return total;
}

std::string systemTypeOf(std::string_view architecture) {
  if (architecture == "x86_64") return "x64-based PC";
  if (architecture.size() == 4 && architecture[0] == 'i' && architecture[1] >= '3' && architecture[1] <= '6' &&
      architecture.substr(2) == "86") {
    return "X86-based PC";
  }
  if (architecture == "aarch64" || architecture == "arm64") return "ARM64-based PC";
  if (architecture.starts_with("arm")) return "ARM-based PC";
  return "Unknown";
}

}  // namespace inventory::linux_facts
