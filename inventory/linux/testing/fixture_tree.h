#pragma once

// A root folder laid out like the parts of / that the Linux source reads, and
// a udev database with fixed answers: for the source's tests and benchmark.

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "inventory/linux/udev_memory.h"

namespace inventory::linux_facts::fixtures {

class FixedUdev final : public UdevDatabase {
 public:
  explicit FixedUdev(UdevProperties properties) : properties_(std::move(properties)) {}
  UdevProperties dmiProperties() override { return properties_; }

 private:
  UdevProperties properties_;
};

inline void writeFile(const std::filesystem::path& root, const std::string& relative, const std::string& content) {
  std::filesystem::create_directories((root / relative).parent_path());
  std::ofstream(root / relative, std::ios::binary) << content;
}

// What an unprivileged user of a plain desktop can read: the dmi/id
// attributes (one empty, the serial unreadable, one with an escape
// sequence), /proc/meminfo and a one-processor /proc/cpuinfo.
inline void writeDesktopFiles(const std::filesystem::path& root) {
  const std::string dmi = "sys/class/dmi/id/";
  writeFile(root, dmi + "sys_vendor", "Acme\n");
  writeFile(root, dmi + "product_name", "Desk 9\n");
  writeFile(root, dmi + "product_version", "\n");
  std::filesystem::create_directories(root / (dmi + "product_serial"));  // unreadable, whoever runs
  writeFile(root, dmi + "board_vendor", "Acme Boards\n");
  writeFile(root, dmi + "board_name", "B\x1b[31m-100\n");
  writeFile(root, dmi + "bios_vendor", "Example BIOS Co.\n");
  writeFile(root, dmi + "bios_version", "1.02\n");
  writeFile(root, "proc/meminfo", "MemTotal:        8000000 kB\nMemFree:         100 kB\n");
  writeFile(root, "proc/cpuinfo",
            "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Example CPU @ 3.00GHz\n"
            "physical id\t: 0\ncpu MHz\t\t: 799.998\n\n");
}

// The table files root may read, split from a file laid out as
// `dmidecode --dump-bin` writes it: the entry point, then the table at 0x20.
inline void writeSmbiosTable(const std::filesystem::path& root, const std::string& dump) {
  const bool version3 = dump.starts_with("_SM3_");
  const std::size_t entryPointLength = static_cast<unsigned char>(dump.at(version3 ? 6 : 5));
  writeFile(root, "sys/firmware/dmi/tables/smbios_entry_point", dump.substr(0, entryPointLength));
  writeFile(root, "sys/firmware/dmi/tables/DMI", dump.substr(0x20));
}

}  // namespace inventory::linux_facts::fixtures
