#include "inventory/smbios/byte_cursor.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace inventory::smbios {
namespace {

constexpr std::array<std::uint8_t, 9> sample{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};

TEST(ByteCursor, ReadsLittleEndianValuesInSequence) {
  ByteCursor cursor(sample);
  EXPECT_EQ(cursor.u8(), 0x01);
  EXPECT_EQ(cursor.u16(), 0x0302);
  EXPECT_EQ(cursor.u32(), 0x07060504u);
  EXPECT_EQ(cursor.position(), 7u);
  EXPECT_TRUE(cursor.ok());

  ByteCursor wide(sample, 1);
  EXPECT_EQ(wide.u64(), 0x0908070605040302u);
  EXPECT_TRUE(wide.atEnd());
  EXPECT_TRUE(wide.ok());
}

TEST(ByteCursor, ReadThatDoesNotFitKeepsPositionAndErrorSticks) {
  ByteCursor cursor(sample, 6);
  EXPECT_EQ(cursor.u32(), 0u);
  EXPECT_FALSE(cursor.ok());
  EXPECT_EQ(cursor.position(), 6u);

  // Even a read that would fit fails until the error is cleared.
  EXPECT_EQ(cursor.u8(), 0u);
  EXPECT_EQ(cursor.position(), 6u);
  EXPECT_FALSE(cursor.ok());

  cursor.clearError();
  EXPECT_EQ(cursor.u16(), 0x0807);
  EXPECT_TRUE(cursor.ok());
}

TEST(ByteCursor, HugeCountsAndPositionsFailWithoutWrapping) {
  ByteCursor bytes(sample, 4);
  EXPECT_TRUE(bytes.bytes(std::numeric_limits<std::size_t>::max()).empty());
  EXPECT_FALSE(bytes.ok());
  EXPECT_EQ(bytes.position(), 4u);

  ByteCursor skipping(sample, 4);
  skipping.skip(std::numeric_limits<std::size_t>::max() - 2);
  EXPECT_FALSE(skipping.ok());
  EXPECT_EQ(skipping.position(), 4u);

  ByteCursor seeking(sample);
  seeking.seek(sample.size() + 1);
  EXPECT_FALSE(seeking.ok());
  EXPECT_EQ(seeking.position(), 0u);

  ByteCursor startPastEnd(sample, 100);
  EXPECT_FALSE(startPastEnd.ok());
}

TEST(ByteCursor, EmptyBufferAndExactFit) {
  ByteCursor empty(std::span<const std::uint8_t>{});
  EXPECT_TRUE(empty.atEnd());
  EXPECT_TRUE(empty.bytes(0).empty());
  EXPECT_TRUE(empty.ok());
  EXPECT_EQ(empty.u8(), 0u);
  EXPECT_FALSE(empty.ok());

  ByteCursor exact(sample, 5);
  const auto tail = exact.bytes(4);
  ASSERT_EQ(tail.size(), 4u);
  EXPECT_EQ(tail.front(), 0x06);
  EXPECT_EQ(tail.back(), 0x09);
  EXPECT_TRUE(exact.ok());
  EXPECT_TRUE(exact.atEnd());
}

}  // namespace
}  // namespace inventory::smbios
