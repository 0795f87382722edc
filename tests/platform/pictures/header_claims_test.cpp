// The claims read from a picture's bytes before any image reader sees them.

#include "platform/pictures/header_claims.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/platform/pictures/picture_test_support.h"

namespace {

using picturetest::FixtureBytes;
using picturetest::GifWithScreen;
using platform::Bytes;
using platform::pictures::HeaderClaimsFit;
using platform::pictures::PictureFormat;

Bytes Cut(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(HeaderClaims, RefusePngChunksLongerThanTheFileAndGifScreensOverTheLimits) {
  const Bytes png = FixtureBytes("pictures", "png-grey.png");
  ASSERT_GT(png.size(), 60u);
  struct Case {
    const char* name;
    PictureFormat format;
    Bytes bytes;
    bool fits;
  };
  const std::array cases{
      Case{"a whole PNG", PictureFormat::Png, png, true},
      Case{"a PNG signature alone", PictureFormat::Png, Cut(png, 8), true},
      Case{"a PNG whose last chunk before the end lost a byte", PictureFormat::Png,
           Cut(png, png.size() - 13), false},
      Case{"a PNG text chunk claiming 1952776229 bytes", PictureFormat::Png,
           FixtureBytes("hostile", "png-text-chunk-claims-1952776229-bytes.png"), false},
      Case{"a GIF screen of 40 x 30", PictureFormat::Gif, GifWithScreen(40, 30), true},
      // The frame decides, and the decoded picture is checked again.
      Case{"a GIF screen of 0 x 0", PictureFormat::Gif, GifWithScreen(0, 0), true},
      Case{"a GIF screen of 32767 x 1", PictureFormat::Gif, GifWithScreen(32767, 1), true},
      Case{"a GIF screen of 32768 x 1", PictureFormat::Gif, GifWithScreen(32768, 1), false},
      Case{"a GIF screen of 8192 x 8192, the most pixels", PictureFormat::Gif,
           GifWithScreen(8192, 8192), true},
      Case{"a GIF screen of 8192 x 8193", PictureFormat::Gif, GifWithScreen(8192, 8193), false},
      Case{"a GIF screen of 11000 x 11000", PictureFormat::Gif, GifWithScreen(11000, 11000), false},
      Case{"a GIF that ends inside its screen", PictureFormat::Gif, Cut(GifWithScreen(40, 30), 9),
           false},
      Case{"half a JPEG, whose claims only its reader tells", PictureFormat::Jpeg,
           Cut(FixtureBytes("pictures", "jpeg-baseline.jpg"), 100), true},
  };
  for (const Case& c : cases) EXPECT_EQ(HeaderClaimsFit(c.bytes, c.format), c.fits) << c.name;
}

}  // namespace
