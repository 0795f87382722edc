#include "imaging/memory_stream.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <optional>

#include "imaging/encoder_list.h"
#include "imaging/guid_text.h"
#include "imaging/image_object.h"
#include "imaging/library_call.h"
#include "tests/imaging/imaging_test_support.h"

namespace {

using imaging::MemoryStream;
using platform::Bytes;

Bytes Counting(std::size_t count) {
  Bytes bytes(count);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{7});
  return bytes;
}

TEST(MemoryStream, CopiesTheGivenBytesIntoANewBlock) {
  struct Case {
    const char* name;
    std::size_t length;
    std::optional<std::int32_t> size;
    std::size_t kept;
  };
  const std::array cases{
      Case{"empty", 0, std::nullopt, 0},  Case{"all of 1000", 1000, std::nullopt, 1000},
      Case{"first 10", 1000, 10, 10},     Case{"size beyond the bytes is cut", 1000, 5000, 1000},
      Case{"negative size", 1000, -1, 0},
  };
  for (const Case& c : cases) {
    const Bytes bytes = Counting(c.length);
    MemoryStream stream;
    ASSERT_NE(stream.CreateFromBytes(bytes, c.size), nullptr) << c.name;
    EXPECT_EQ(stream.GetSize(), c.kept) << c.name;
    EXPECT_EQ(stream.ToBytes(), Bytes(bytes.begin(), bytes.begin() + c.kept)) << c.name;
    EXPECT_EQ(stream.GetStream()->Position(), 0) << c.name;
  }
}

TEST(MemoryStream, CreatingAgainReplacesTheBlockAndReleaseEmptiesIt) {
  MemoryStream stream;
  stream.CreateFromBytes(Counting(50));
  stream.CreateFromBytes(Bytes{1, 2, 3});
  EXPECT_EQ(stream.ToBytes(), (Bytes{1, 2, 3}));

  stream.Release();
  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetMemoryHandle(), nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.ToBytes().empty());
}

TEST(MemoryStream, AnEncoderGrowsAnEmptyStream) {
  imaging::ImageObject bitmap;
  ASSERT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 60, 40, 0xFF204080));
  const auto bmpEncoder =
      imaging::TextToGuid(imaging::FindEncoderClsid("{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}"));

  MemoryStream stream;
  stream.CreateFromBytes({});
  ASSERT_TRUE((imaging::CallAction<&imaging::Api::GdipSaveImageToStream>(
      bitmap.GetNativeHandle(), stream.GetStream(), &bmpEncoder,
      static_cast<const platform::gdiplus::EncoderParameters*>(nullptr))));

  const Bytes written = stream.ToBytes();
  EXPECT_GT(written.size(), 5000u);
  EXPECT_EQ(written.size(), stream.GetSize());
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[0], 'B');
  EXPECT_EQ(written[1], 'M');
  EXPECT_EQ(imagingtest::Decode(written).size(), QSize(60, 40));
}

TEST(MemoryStream, AttachTakesOverOnlyAStreamOverTheGivenBlock) {
  auto block = std::make_unique<platform::gdiplus::MemoryBlock>();
  block->bytes = {9, 8, 7};
  auto* blockAddress = block.get();
  auto over = std::make_unique<platform::gdiplus::Stream>(blockAddress);

  MemoryStream stream;
  EXPECT_TRUE(stream.AttachStream(std::move(over), std::move(block)));
  EXPECT_EQ(stream.GetMemoryHandle(), blockAddress);
  EXPECT_EQ(stream.ToBytes(), (Bytes{9, 8, 7}));

  platform::gdiplus::MemoryBlock other;
  auto elsewhere = std::make_unique<platform::gdiplus::Stream>(&other);
  EXPECT_FALSE(stream.AttachStream(std::move(elsewhere),
                                   std::make_unique<platform::gdiplus::MemoryBlock>()));
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetMemoryHandle(), nullptr);
}

}  // namespace
