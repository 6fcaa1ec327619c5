// The whole scan of a saved table: read the file, parse it, collect the
// record, compose the texts, the report and the lookup address.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "inventory/facts/dump_source.h"
#include "inventory/scan.h"

namespace {

void scanDump(benchmark::State& state, const std::filesystem::path& dump) {
  for (auto _ : state) {
    const auto source = inventory::makeDumpSource(dump);
    benchmark::DoNotOptimize(inventory::runScan(*source, "shop.example"));
  }
}

void registerDumps() {
  const std::filesystem::path folder = RIGSCOPE_SMBIOS_DUMPS;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".bin") continue;
    benchmark::RegisterBenchmark(("scanDump/" + entry.path().stem().string()).c_str(), scanDump, entry.path())
        ->Unit(benchmark::kMicrosecond);
  }
}

}  // namespace

int main(int argc, char** argv) {
  registerDumps();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
