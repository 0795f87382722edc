// The one way pictures are read: the format's own reader, an icon file's largest entry, and
// claims over the limits refused.

#include "platform/pictures/picture_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <array>
#include <vector>

#include "tests/platform/pictures/picture_test_support.h"

namespace {

using picturetest::FixtureBytes;
using platform::Bytes;
using platform::pictures::PictureFormat;
using platform::pictures::PictureReader;

constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

TEST(PictureReader, ReadsWithTheFormatsReaderTheLargestIconEntryWithinTheLimits) {
  struct Case {
    const char* file;
    PictureFormat format;
    int width;  // 0: refused
    int height;
    QRgb centre;  // icon entries are single colours, so the colour names the entry taken
  };
  constexpr std::array cases{
      Case{"png-grey.png", PictureFormat::Png, 40, 30, 0},
      // No reader but the one named sees the bytes.
      Case{"png-grey.png", PictureFormat::Bmp, 0, 0, 0},
      Case{"bmp-24bit.bmp", PictureFormat::Png, 0, 0, 0},
      // The largest entry sits between two smaller ones.
      Case{"ico-several-sizes.ico", PictureFormat::Icon, 48, 48, kGreen},
      Case{"ico-png-256.ico", PictureFormat::Icon, 256, 256, kGreen},
      // Two entries of one size: the deeper one comes second.
      Case{"ico-deepest.ico", PictureFormat::Icon, 32, 32, kGreen},
      Case{"cursor.cur", PictureFormat::Cursor, 32, 32, kBlue},
      Case{"png-claims-100000x100000.png", PictureFormat::Png, 0, 0, 0},
      Case{"gif-screen-claims-65535x65535.gif", PictureFormat::Gif, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const Bytes bytes = FixtureBytes("pictures", c.file);
    ASSERT_FALSE(bytes.empty());
    PictureReader reader(bytes, c.format);
    const QImage image = reader.Read();
    if (c.width == 0) {
      EXPECT_TRUE(image.isNull());
      continue;
    }
    ASSERT_EQ(image.size(), QSize(c.width, c.height));
    if (c.centre != 0) {
      EXPECT_EQ(image.pixel(c.width / 2, c.height / 2), c.centre);
    }
  }
}

}  // namespace

namespace {

// Leaves freed heap blocks full of a pattern, as a long-running program's heap is.
void DirtyTheHeap() {
  std::vector<std::vector<std::uint8_t>> blocks;
  for (int i = 0; i < 64; ++i) blocks.emplace_back(64 * 64 * 4, std::uint8_t{0xAB});
}

TEST(PictureReader, RowsMissingFromATruncatedFileAreTransparentBlackNotOldMemory) {
  QImage whole(64, 64, QImage::Format_RGB32);
  whole.fill(0xFF00FF00);
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(whole.save(&buffer, "BMP"));
  const Bytes cut(encoded.begin(), encoded.begin() + encoded.size() / 2);
  for (int attempt = 0; attempt < 5; ++attempt) {
    DirtyTheHeap();
    PictureReader reader(cut, PictureFormat::Bmp);
    const QImage image = reader.Read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(64, 64));
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        const QRgb pixel = image.pixel(x, y);
        ASSERT_TRUE(pixel == 0xFF00FF00 || qAlpha(pixel) == 0 || pixel == 0xFF000000)
            << std::hex << pixel << " at " << std::dec << x << "," << y;
      }
    }
  }
}

}  // namespace
