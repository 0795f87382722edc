// The in-memory stream the imaging layer reads from and encodes into.

#include "platform/gdiplus/stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using platform::gdiplus::MemoryBlock;
using platform::gdiplus::Stream;

TEST(Stream, GrowsItsBlockWhenWrittenPastTheEndAndReadsBackFromAnyPosition) {
  MemoryBlock block;
  Stream stream(&block);
  const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
  EXPECT_EQ(stream.Write(bytes, 5), 5);
  EXPECT_EQ(stream.Seek(8, Stream::Origin::Begin), 8);
  EXPECT_EQ(stream.Write(bytes, 2), 2);
  EXPECT_EQ(block.bytes, (platform::Bytes{1, 2, 3, 4, 5, 0, 0, 0, 1, 2}));
  EXPECT_EQ(stream.Seek(-3, Stream::Origin::End), 7);
  std::uint8_t out[8] = {};
  EXPECT_EQ(stream.Read(out, 8), 3);
  EXPECT_EQ(out[1], 1);
  EXPECT_EQ(stream.Read(out, 8), 0);
}

TEST(Stream, RefusesPositionsBeforeTheStartOrBeyondWhatCanBeCounted) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  MemoryBlock block{{1, 2, 3}};
  Stream stream(&block);
  EXPECT_EQ(stream.Seek(-1, Stream::Origin::Begin), -1);
  EXPECT_EQ(stream.Seek(kMax, Stream::Origin::End), -1);
  EXPECT_EQ(stream.Position(), 0);
  // A position near the limit cannot be written at: the end would not fit in the count.
  ASSERT_EQ(stream.Seek(kMax - 1, Stream::Origin::Begin), kMax - 1);
  const std::uint8_t bytes[] = {9, 9};
  EXPECT_EQ(stream.Write(bytes, 2), -1);
  EXPECT_EQ(block.bytes, (platform::Bytes{1, 2, 3}));
}

}  // namespace
