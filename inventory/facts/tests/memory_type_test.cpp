#include "inventory/facts/memory_type.h"

#include <gtest/gtest.h>

namespace inventory {
namespace {

TEST(Win32MemoryType, MapsSmbiosCodesToTheWindowsEnumeration) {
  const struct {
    std::uint8_t code;
    std::int64_t windows;
  } cases[] = {
      {0x00, 0},                                           // reserved
      {0x01, 1},  {0x02, 0},  {0x03, 2},                   // Other, Unknown, DRAM
      {0x04, 6},  {0x0F, 17}, {0x12, 20}, {0x13, 21}, {0x14, 22},  // EDRAM, SDRAM, DDR, DDR2, DDR2 FB-DIMM
      {0x15, 0},  {0x17, 0},                               // reserved
      {0x18, 24}, {0x19, 25}, {0x1A, 26},                  // DDR3, FBD2, DDR4
      {0x1D, 0x1D}, {0x22, 0x22}, {0x24, 0x24},            // LPDDR3, DDR5, HBM3: the SMBIOS code
      {0x25, 0},  {0xFF, 0},                               // not yet defined
  };
  for (const auto& c : cases) {
    EXPECT_EQ(win32MemoryType(c.code), c.windows) << "code " << int(c.code);
  }
}

TEST(SmbiosMemoryTypeCode, FindsTheCodeOfANamedType) {
  EXPECT_EQ(smbiosMemoryTypeCode("DDR4"), 0x1A);
  EXPECT_EQ(smbiosMemoryTypeCode("ddr2 fb-dimm"), 0x14);
  EXPECT_EQ(smbiosMemoryTypeCode("LPDDR5"), 0x23);
  EXPECT_EQ(smbiosMemoryTypeCode("Unknown"), 0x02);
  EXPECT_EQ(smbiosMemoryTypeCode("DDR9"), std::nullopt);
  EXPECT_EQ(smbiosMemoryTypeCode(""), std::nullopt);
}

}  // namespace
}  // namespace inventory
