#include "inventory/linux/proc_files.h"

#include <gtest/gtest.h>

namespace inventory::linux_facts {
namespace {

TEST(ParseCpuInfo, DescribesEachPhysicalPackageByItsFirstProcessor) {
  const auto packages = parseCpuInfo(
      "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Xeon A\nphysical id\t: 0\ncpu MHz\t\t: 1800.000\n\n"
      "processor\t: 1\nvendor_id\t: GenuineIntel\nmodel name\t: Xeon A\nphysical id\t: 0\ncpu MHz\t\t: 2400.5\n\n"
      "processor\t: 2\nvendor_id\t: GenuineIntel\nmodel name\t: Xeon B\nphysical id\t: 1\ncpu MHz\t\t: 1200\n\n");
  ASSERT_EQ(packages.size(), 2u);
  EXPECT_EQ(packages[0].modelName, "Xeon A");
  EXPECT_EQ(packages[0].mhz, 1800.0);
  EXPECT_EQ(packages[1].modelName, "Xeon B");
  EXPECT_EQ(packages[1].vendorId, "GenuineIntel");
}

TEST(ParseCpuInfo, TreatsProcessorsWithoutPhysicalIdAsOnePackage) {
  // As on many ARM machines: no vendor, no model name, no physical id.
  const auto packages = parseCpuInfo("processor\t: 0\nBogoMIPS\t: 48.00\n\nprocessor\t: 1\nBogoMIPS\t: 48.00\n");
  ASSERT_EQ(packages.size(), 1u);
  EXPECT_EQ(packages[0].modelName, std::nullopt);
  EXPECT_EQ(packages[0].mhz, std::nullopt);
  EXPECT_TRUE(parseCpuInfo("").empty());
}

TEST(ParseCpuInfo, CopesWithMegabytesOfProcessors) {
  std::string text;
  for (int i = 0; i < 50000; ++i) {
    text += "processor\t: " + std::to_string(i) + "\nmodel name\t: CPU\nphysical id\t: " + std::to_string(i % 4096) +
            "\n\n";
  }
  ASSERT_GT(text.size(), 2u << 20);
  EXPECT_EQ(parseCpuInfo(text).size(), 4096u);
}

TEST(ParseMemTotal, ReadsKilobytes) {
  EXPECT_EQ(parseMemTotalKb("MemTotal:       24596844 kB\nMemFree:        1 kB\n"), 24596844u);
  EXPECT_EQ(parseMemTotalKb("MemFree:        1 kB\n"), std::nullopt);
  EXPECT_EQ(parseMemTotalKb("MemTotal:       lots kB\n"), std::nullopt);
  EXPECT_EQ(parseMemTotalKb("MemTotal:       1024 MB\n"), std::nullopt);
}

TEST(SystemTypeOf, NamesTheArchitectureAsWindowsDoes) {
  const struct {
    const char* machine;
    const char* type;
  } cases[] = {
      {"x86_64", "x64-based PC"},  {"i386", "X86-based PC"},    {"i686", "X86-based PC"},
      {"aarch64", "ARM64-based PC"}, {"armv7l", "ARM-based PC"}, {"riscv64", "Unknown"},
      {"", "Unknown"},             {"i786", "Unknown"},
  };
  for (const auto& c : cases) EXPECT_EQ(systemTypeOf(c.machine), c.type) << c.machine;
}

}  // namespace
}  // namespace inventory::linux_facts
