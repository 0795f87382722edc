// Pictures decoded by the layer and handed to the library as pixels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdiplus/image_registry.h"
#include "platform/gdiplus/picture_format.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kGreen = 0xFF00FF00;
constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kWhite = 0xFFFFFFFF;
constexpr Argb kBlack = 0xFF000000;
constexpr Argb kClear = 0x00000000;
constexpr Argb kHalfRed = 0x80FF0000;

struct Sample {
  int x;
  int y;
  Argb argb;
};

struct PictureCase {
  const char* file;
  int width;
  int height;
  Guid rawFormat;
  std::vector<Sample> samples;
  int tolerance;
};

// The fixtures' four 20 x 15 quadrants, sampled at their centres.
std::vector<Sample> Quadrants(Argb topLeft, Argb topRight, Argb bottomLeft, Argb bottomRight) {
  return {{10, 7, topLeft}, {30, 7, topRight}, {10, 22, bottomLeft}, {30, 22, bottomRight}};
}

// Premultiplied storage rounds partly transparent colours a little.
constexpr int kExact = 0;
constexpr int kRounded = 2;
constexpr int kLossy = 16;

const std::vector<PictureCase> kPictures{
    {"png-palette-transparent.png", 40, 30, format_id::Png, Quadrants(kRed, kGreen, kBlue, kClear),
     kExact},
    {"png-16bit-alpha.png", 40, 30, format_id::Png, Quadrants(kRed, kGreen, kBlue, kHalfRed),
     kRounded},
    {"png-grey.png", 40, 30, format_id::Png, Quadrants(kBlack, kWhite, 0xFF808080, 0xFF404040),
     kExact},
    {"png-interlaced.png", 40, 30, format_id::Png, Quadrants(kRed, kGreen, kBlue, kHalfRed),
     kRounded},
    {"jpeg-baseline.jpg", 40, 30, format_id::Jpeg, Quadrants(kRed, kGreen, kBlue, kWhite), kLossy},
    {"jpeg-progressive.jpg", 40, 30, format_id::Jpeg, Quadrants(kRed, kGreen, kBlue, kWhite),
     kLossy},
    {"jpeg-cmyk.jpg", 40, 30, format_id::Jpeg, Quadrants(kRed, kGreen, kBlue, kWhite), kLossy},
    {"gif-transparent.gif", 40, 30, format_id::Gif, Quadrants(kRed, kGreen, kBlue, kClear), kExact},
    {"gif-animated.gif", 40, 30, format_id::Gif, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-1bit.bmp", 40, 30, format_id::Bmp, Quadrants(kBlack, kWhite, kWhite, kBlack), kExact},
    {"bmp-4bit.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-8bit.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-24bit.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-32bit.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-32bit-alpha.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kHalfRed),
     kRounded},
    {"bmp-rle8.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"bmp-os2.bmp", 40, 30, format_id::Bmp, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    // Icons: the largest entry, then the deepest; each entry has its own colour.
    {"ico-several-sizes.ico", 48, 48, format_id::Icon, {{24, 24, kGreen}}, kExact},
    {"ico-png-256.ico", 256, 256, format_id::Icon, {{128, 128, kGreen}}, kExact},
    {"ico-deepest.ico", 32, 32, format_id::Icon, {{16, 16, kGreen}}, kExact},
    {"cursor.cur", 32, 32, format_id::Icon, {{16, 16, kBlue}}, kExact},
    {"tiff-rgb.tif", 40, 30, format_id::Tiff, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
    {"tiff-alpha.tif", 40, 30, format_id::Tiff, Quadrants(kRed, kGreen, kBlue, kHalfRed), kRounded},
    {"tiff-pages.tif", 40, 30, format_id::Tiff, Quadrants(kRed, kGreen, kBlue, kWhite), kExact},
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.file; }

class DecodingTest : public testing::TestWithParam<PictureCase> {
 protected:
  StartedLibrary started_;
};

TEST_P(DecodingTest, GivesThePicturesSizePixelsAndFormat) {
  const PictureCase& c = GetParam();
  Handle bitmap = nullptr;
  ASSERT_EQ(DecodeBytes(ReadFileBytes(FixturePath("pictures", c.file)), &bitmap), status::Ok);
  const Pixels pixels = ReadPixels(bitmap);
  EXPECT_EQ(pixels.width, c.width);
  EXPECT_EQ(pixels.height, c.height);
  if (pixels.width == c.width && pixels.height == c.height) {
    for (const Sample& s : c.samples) {
      EXPECT_PRED3(NearArgb, pixels.At(s.x, s.y), s.argb, c.tolerance)
          << "at " << s.x << ", " << s.y;
    }
  }
  Guid format{};
  EXPECT_EQ(Library().GdipGetImageRawFormat(bitmap, &format), status::Ok);
  EXPECT_TRUE(SameGuid(format, c.rawFormat)) << std::hex << format.Data1;
  EXPECT_EQ(Library().GdipDisposeImage(bitmap), status::Ok);
}

std::string FixtureName(const testing::TestParamInfo<PictureCase>& info) {
  std::string name = info.param.file;
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DecodingTest, testing::ValuesIn(kPictures), FixtureName);

// The second frame of each is all blue.
TEST(Decoding, KeepsEveryFrameOfAnimatedAndMultiPagePictures) {
  StartedLibrary started;
  for (const char* file : {"gif-animated.gif", "tiff-pages.tif"}) {
    SCOPED_TRACE(file);
    Handle bitmap = nullptr;
    ASSERT_EQ(DecodeBytes(ReadFileBytes(FixturePath("pictures", file)), &bitmap), status::Ok);
    EXPECT_EQ(FrameCountOf(bitmap), 2);
    const DecodedPicture second = DecodeFrameOf(bitmap, 1);
    ASSERT_EQ(second.status, status::Ok);
    EXPECT_EQ(second.image.pixel(20, 15), kBlue);
    EXPECT_NE(DecodeFrameOf(bitmap, 2).status, status::Ok);
    Library().GdipDisposeImage(bitmap);
    EXPECT_EQ(FrameCountOf(bitmap), 1) << "forgotten with the image";
  }
}

TEST(Decoding, ReadsFromTheStreamsPosition) {
  StartedLibrary started;
  MemoryBlock block{{'j', 'u', 'n', 'k'}};
  const Bytes png = ReadFileBytes(FixturePath("pictures", "png-grey.png"));
  block.bytes.insert(block.bytes.end(), png.begin(), png.end());
  Stream stream(&block);
  stream.Seek(4, Stream::Origin::Begin);
  Handle bitmap = nullptr;
  ASSERT_EQ(Library().GdipCreateBitmapFromStream(&stream, &bitmap), status::Ok);
  EXPECT_EQ(ReadPixels(bitmap).width, 40);
  Library().GdipDisposeImage(bitmap);
}

// A bitmap the program made answers the library's own in-memory format, also when it takes
// the place of a decoded picture just disposed of.
TEST(Decoding, BitmapsMadeInMemoryAnswerTheMemoryFormat) {
  StartedLibrary started;
  Handle decoded = nullptr;
  ASSERT_EQ(DecodeBytes(ReadFileBytes(FixturePath("pictures", "png-grey.png")), &decoded),
            status::Ok);
  Library().GdipDisposeImage(decoded);
  Handle made = nullptr;
  ASSERT_EQ(Library().GdipCreateBitmapFromScan0(40, 30, 0, kPixelFormat32bppArgb, nullptr, &made),
            status::Ok);
  Guid format{};
  EXPECT_EQ(Library().GdipGetImageRawFormat(made, &format), status::Ok);
  EXPECT_TRUE(SameGuid(format, format_id::MemoryBmp)) << std::hex << format.Data1;
  Library().GdipDisposeImage(made);
}

}  // namespace
}  // namespace gdiplus_test
