// The whole scan through the Linux source, on a fixture tree written to a
// temporary folder: the files are read and parsed at every scan, as on a
// running system, but the udev database is an in-memory one, so libudev's
// own cost is not in these figures.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "inventory/linux/live_facts.h"
#include "inventory/linux/testing/fixture_tree.h"
#include "inventory/scan.h"

namespace {

namespace fs = std::filesystem;
using namespace inventory::linux_facts;

// What udev keeps for a laptop with two modules in two slots.
UdevProperties twoModuleUdev() {
  UdevProperties properties{{"MEMORY_ARRAY_LOCATION", "System Board Or Motherboard"},
                            {"MEMORY_ARRAY_MAX_CAPACITY", "34359738368"},
                            {"MEMORY_ARRAY_NUM_DEVICES", "2"}};
  for (const char* n : {"0", "1"}) {
    const std::string prefix = std::string("MEMORY_DEVICE_") + n + "_";
    properties.insert({{prefix + "PRESENT", "1"},
                       {prefix + "SIZE", "8589934592"},
                       {prefix + "FORM_FACTOR", "SODIMM"},
                       {prefix + "TYPE", "DDR4"},
                       {prefix + "TYPE_DETAIL", "Synchronous Unbuffered (Unregistered)"},
                       {prefix + "SPEED_MTS", "2400"},
                       {prefix + "CONFIGURED_SPEED_MTS", "2400"},
                       {prefix + "DATA_WIDTH", "64"},
                       {prefix + "TOTAL_WIDTH", "64"},
                       {prefix + "LOCATOR", std::string("ChannelA-DIMM") + n},
                       {prefix + "BANK_LOCATOR", std::string("BANK ") + n},
                       {prefix + "MANUFACTURER", "Samsung"},
                       {prefix + "PART_NUMBER", "M471A1K43CB1-CRC"},
                       {prefix + "SERIAL_NUMBER", "12345678"},
                       {prefix + "RANK", "1"}});
  }
  return properties;
}

void scanLiveSystem(benchmark::State& state, const fs::path& root) {
  fixtures::FixedUdev udev(twoModuleUdev());
  const auto source = makeLiveSource({.root = root, .architecture = "x86_64", .udev = &udev});
  for (auto _ : state) {
    benchmark::DoNotOptimize(inventory::runScan(*source, "shop.example"));
  }
}

// The files an unprivileged user reads, and cpufreq's base clock.
void writeUserFiles(const fs::path& root) {
  fixtures::writeDesktopFiles(root);
  fixtures::writeFile(root, "sys/devices/system/cpu/cpu0/cpufreq/base_frequency", "3000000\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = (fs::temp_directory_path() / "rigscope-linux-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const fs::path withoutTable = fs::path(folder) / "user";
  const fs::path withTable = fs::path(folder) / "root";
  writeUserFiles(withoutTable);
  benchmark::RegisterBenchmark("scanLiveSystem/files", scanLiveSystem, withoutTable)->Unit(benchmark::kMicrosecond);

  const fs::path dump = fs::path(RIGSCOPE_SMBIOS_DUMPS) / "lenovo-thinkpad-t480.bin";
  if (std::ifstream file{dump, std::ios::binary}) {
    std::stringstream bytes;
    bytes << file.rdbuf();
    writeUserFiles(withTable);
    fixtures::writeSmbiosTable(withTable, bytes.str());
    const std::string name = "scanLiveSystem/table:" + dump.stem().string();
    benchmark::RegisterBenchmark(name.c_str(), scanLiveSystem, withTable)->Unit(benchmark::kMicrosecond);
  } else {
    std::fprintf(stderr, "no SMBIOS dump at %s: timing the files only\n", dump.string().c_str());
  }

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(folder);
  return 0;
}
