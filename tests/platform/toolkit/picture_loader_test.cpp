#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <array>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/toolkit/picture_loader.h"
#include "platform/toolkit/window.h"
#include "tests/platform/toolkit/odd_pictures.h"

namespace {

using platform::Bytes;
using testsupport::OddPictures;

struct Expected {
  const char* file;
  int width;  // 0: refused
  int height;
};

constexpr std::array kOddPictures{
    Expected{"png-palette-transparent.png", 31, 17},
    Expected{"png-16bit.png", 33, 19},
    Expected{"png-grey.png", 35, 21},
    Expected{"png-interlaced.png", 37, 25},
    Expected{"jpeg-baseline.jpg", 41, 27},
    Expected{"jpeg-progressive.jpg", 43, 29},
    Expected{"jpeg-cmyk.jpg", 45, 31},
    Expected{"gif-transparent.gif", 49, 35},
    // The screen, not the smaller first frame.
    Expected{"gif-animated.gif", 51, 37},
    Expected{"bmp-1bit.bmp", 53, 39},
    Expected{"bmp-4bit.bmp", 53, 39},
    Expected{"bmp-8bit.bmp", 53, 39},
    Expected{"bmp-24bit.bmp", 53, 39},
    Expected{"bmp-32bit.bmp", 53, 39},
    Expected{"bmp-32bit-alpha.bmp", 53, 39},
    Expected{"bmp-rle8.bmp", 53, 39},
    Expected{"bmp-rle4.bmp", 6, 2},
    Expected{"bmp-as-dib.dib", 53, 39},
    // The rows that are there are decoded, as the imaging layer draws them.
    Expected{"bmp-truncated.bmp", 53, 39},
    // The largest entry, wherever it sits in the directory.
    Expected{"ico-several-sizes.ico", 48, 48},
    Expected{"ico-png-256.ico", 256, 256},
    Expected{"cursor.cur", 32, 32},
    Expected{"pcx-8bit.pcx", 55, 41},
    Expected{"pcx-24bit.pcx", 55, 41},
    Expected{"pcx-1bit.pcx", 57, 43},
    Expected{"known-runs-8bit.pcx", 130, 4},
    // Readable formats that are not picture formats of the toolkit.
    Expected{"picture.tif", 0, 0},
    Expected{"picture.webp", 0, 0},
    Expected{"known-rose.ppm", 0, 0},
    // Not pictures, or broken ones.
    Expected{"text-named.png", 0, 0},
    Expected{"random.bin", 0, 0},
    Expected{"empty.png", 0, 0},
    Expected{"png-truncated.png", 0, 0},
    Expected{"pcx-truncated.pcx", 0, 0},
    // Headers claiming more than may be decoded.
    Expected{"png-claims-100000x100000.png", 0, 0},
    Expected{"png-claims-10000x10000.png", 0, 0},
    Expected{"gif-claims-65535x65535.gif", 0, 0},
    Expected{"pcx-claims-65535-wide.pcx", 0, 0},
};

TEST(PictureLoaderTest, MeasuresEveryPictureFormatAndRefusesTheRest) {
  if (!OddPictures::Get().error().empty()) GTEST_FAIL() << OddPictures::Get().error();
  int previous = 0;
  for (const Expected& expected : kOddPictures) {
    SCOPED_TRACE(expected.file);
    const Bytes bytes = OddPictures::Get().Read(expected.file);
    ASSERT_TRUE(bytes.size() > 0 || std::string(expected.file) == "empty.png");
    const int picture = platform::LoadPicture(bytes);
    if (expected.width == 0) {
      EXPECT_EQ(picture, 0);
      continue;
    }
    ASSERT_GT(picture, previous) << "picture numbers keep increasing";
    previous = picture;
    EXPECT_EQ(platform::PictureWidth(picture), expected.width);
    EXPECT_EQ(platform::PictureHeight(picture), expected.height);
  }
}

// Files that crashed or aborted the imaging library: each loads as a failure, never a crash.
TEST(PictureLoaderTest, RefusesThePicturesThatBrokeTheImagingLibrary) {
  const std::filesystem::path folder =
      std::filesystem::path(testsupport::SourceDir()) / "../shared/fixtures/hostile-pictures";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no folder " << folder;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream file(entry.path(), std::ios::binary);
    const Bytes bytes(std::istreambuf_iterator<char>(file), {});
    // Too wide, a TIFF, no width, or pixels that cannot be decoded.
    EXPECT_EQ(platform::LoadPicture(bytes), 0);
    ++seen;
  }
  EXPECT_GT(seen, 0);
}

TEST(PictureLoaderTest, ShortBytesWithAPictureSignatureGiveZero) {
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const std::array cases{
      Case{"png signature", QByteArray("\x89PNG\r\n\x1a\n", 8)},
      Case{"jpeg signature", QByteArray("\xFF\xD8\xFF", 3)},
      Case{"gif signature", QByteArray("GIF89a")},
      Case{"gif signature and screen", QByteArray("GIF89a\x10\x00\x10\x00", 10)},
      Case{"bmp signature", QByteArray("BM")},
      Case{"icon directory without entries", QByteArray("\x00\x00\x01\x00\x00\x00", 6)},
      Case{"cursor directory claiming entries", QByteArray("\x00\x00\x02\x00\x05\x00", 6)},
      Case{"pcx manufacturer", QByteArray("\x0A\x05\x01\x08", 4)},
      Case{"pcx header without data", QByteArray("\x0A\x05\x01\x08", 4) + QByteArray(124, '\x01')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(platform::LoadPicture(Bytes(c.bytes.begin(), c.bytes.end())), 0);
  }
}

TEST(PictureLoaderTest, UnknownPictureNumbersMeasureZero) {
  for (int picture : {0, -1, INT_MAX}) {
    SCOPED_TRACE(picture);
    EXPECT_EQ(platform::PictureWidth(picture), 0);
    EXPECT_EQ(platform::PictureHeight(picture), 0);
  }
}

// Only sizes are kept, in a table of fixed length, so thousands of imports use no more memory
// than the first few.
TEST(PictureLoaderTest, ManyLoadsKeepOnlyTheRecentSizes) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImage(9, 7, QImage::Format_ARGB32).save(&buffer, "PNG");
  const Bytes bytes(png.begin(), png.end());

  const int first = platform::LoadPicture(bytes);
  ASSERT_GT(first, 0);
  int last = first;
  for (int i = 1; i < 10000; ++i) {
    const int picture = platform::LoadPicture(bytes);
    ASSERT_EQ(picture, last + 1);
    last = picture;
  }
  EXPECT_LE(platform::RememberedPictureCount(), platform::kRememberedPictures);
  EXPECT_EQ(platform::PictureWidth(first), 0) << "a forgotten number measures like an unknown one";
  EXPECT_EQ(platform::PictureWidth(last), 9);
  EXPECT_EQ(platform::PictureHeight(last), 7);
  EXPECT_EQ(platform::PictureWidth(last - platform::kRememberedPictures + 1), 9);
}

}  // namespace
