// Parses each real dump of the shared folder; run by hand, not by CTest.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "inventory/smbios/table.h"

namespace {

[[nodiscard]] std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void parseDump(benchmark::State& state, const std::vector<std::uint8_t>& file) {
  for (auto _ : state) {
    auto table = inventory::smbios::parseDump(file);
    benchmark::DoNotOptimize(table);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}

}  // namespace

int main(int argc, char** argv) {
  // The folder named at build time, unless RIGSCOPE_SMBIOS_DUMPS names another.
  const char* fromEnvironment = std::getenv("RIGSCOPE_SMBIOS_DUMPS");
  const std::filesystem::path folder = fromEnvironment != nullptr ? fromEnvironment : RIGSCOPE_SMBIOS_DUMPS;
  std::vector<std::filesystem::path> dumps;
  if (std::filesystem::is_directory(folder)) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".bin") {
        dumps.push_back(entry.path());
      }
    }
  }
  if (dumps.empty()) {
    std::fprintf(stderr, "no SMBIOS dumps (*.bin) in %s\n", folder.string().c_str());
    return 1;
  }
  std::sort(dumps.begin(), dumps.end());
  for (const auto& path : dumps) {
    benchmark::RegisterBenchmark(("parseDump/" + path.stem().string()).c_str(), parseDump, readFile(path));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
