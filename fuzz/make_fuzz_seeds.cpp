// Writes the fuzz targets' seed inputs: synthetic SMBIOS dumps built like the
// tests build them, and small /proc and udev texts.
// Usage: make_fuzz_seeds SEED_FOLDER
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "inventory/smbios/testing/table_builder.h"

namespace {

namespace fs = std::filesystem;
using namespace inventory::smbios::testing;

void write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
}

void write(const fs::path& path, const std::string& text) {
  write(path, Bytes(text.begin(), text.end()));
}

// A small machine with every structure the inventory reads.
Bytes machineTable(const std::string& odd) {
  return tableOf({
      StructureBuilder(0, 0x18, 0x0000).u8(0x04, 1).u8(0x05, 2).strings({"Example BIOS", "1.02"}),
      StructureBuilder(1, 0x1B, 0x0001).u8(0x04, 1).u8(0x05, 2).u8(0x06, 3).u8(0x07, 4).strings(
          {"Acme", "System Product Name", odd, "SN-1"}),
      StructureBuilder(2, 0x0F, 0x0002).u8(0x04, 1).u8(0x05, 2).strings({"Acme Boards", "B-100 " + odd}),
      StructureBuilder(4, 0x30, 0x0004).u8(0x07, 1).u8(0x10, 2).u16(0x12, 100).u16(0x16, 3000).u8(0x18, 0x41).strings(
          {"GenuineIntel", "Example CPU"}),
      StructureBuilder(16, 0x17, 0x0010).u8(0x05, 3).u32(0x07, 0x80000000).u16(0x0D, 2).u64(0x0F, 1ULL << 36),
      StructureBuilder(16, 0x17, 0x0011).u8(0x05, 5).u32(0x07, 2048).u16(0x0D, 1),
      StructureBuilder(17, 0x5C, 0x0020).u16(0x04, 0x0010).u16(0x0C, 0x7FFF).u8(0x10, 1).u8(0x12, 0x1A)
          .u16(0x15, 0xFFFF).u32(0x1C, 32768).u32(0x54, 3200).strings({"DIMM A"}),
      StructureBuilder(17, 0x28, 0x0021).u16(0x04, 0x0010).u16(0x0C, 0x8000 | 512).u8(0x10, 1).u8(0x12, 0x18)
          .u16(0x15, 1333).strings({odd}),
      StructureBuilder(17, 0x28, 0x0022).u16(0x04, 0x0011).u16(0x0C, 2).u8(0x10, 1).strings({"FLASH"}),
      StructureBuilder(126, 0x08, 0x0030),
      endOfTable(),
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds SEED_FOLDER\n";
    return 2;
  }
  const fs::path seeds = argv[1];
  const std::string hostile = "A&B=C#D+E%F\r\nG\x1b[0m\xff\xfe";
  write(seeds / "smbios/machine-3x.bin", dumpOf(machineTable("Rev A"), EntryKind::Smbios3));
  write(seeds / "smbios/machine-2x.bin", dumpOf(machineTable("Rev B"), EntryKind::Smbios2, 11));
  write(seeds / "smbios/machine-legacy.bin", dumpOf(machineTable("Rev C"), EntryKind::LegacyDmi, 11));
  write(seeds / "smbios/hostile.bin", dumpOf(machineTable(hostile + std::string(300, 'x'))));

  write(seeds / "cpuinfo/two-packages",
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Xeon\nphysical id\t: 0\ncpu MHz\t\t: 1800.000\n\n"
        "processor\t: 1\nvendor_id\t: GenuineIntel\nmodel name\t: Xeon\nphysical id\t: 1\ncpu MHz\t\t: 2400.5\n\n");
  write(seeds / "cpuinfo/arm", "processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: 0x41\n\n");
  write(seeds / "meminfo/desktop", "MemTotal:       24596844 kB\nMemFree:         1000 kB\n");
  write(seeds / "meminfo/arch", "x86_64");
  write(seeds / "udev/two-modules",
        "MEMORY_ARRAY_MAX_CAPACITY=34359738368\nMEMORY_ARRAY_NUM_DEVICES=4\n"
        "MEMORY_DEVICE_0_SIZE=8589934592\nMEMORY_DEVICE_0_TYPE=DDR4\nMEMORY_DEVICE_0_SPEED_MTS=2400\n"
        "MEMORY_DEVICE_0_LOCATOR=ChannelA-DIMM0\nMEMORY_DEVICE_1_PRESENT=0\n"
        "MEMORY_DEVICE_2_SIZE=4294967296\nMEMORY_DEVICE_2_TYPE=LPDDR5\nMEMORY_DEVICE_2_LOCATOR=Not Specified\n");
  return 0;
}
