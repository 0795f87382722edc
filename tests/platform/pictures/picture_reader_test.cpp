// The one way pictures are read: the format's own reader, an icon file's largest entry, and
// claims over the limits refused.

#include "platform/pictures/picture_reader.h"

#include <gtest/gtest.h>

#include <array>

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
