#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>
#include <array>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/toolkit/picture_loader.h"
#include "platform/toolkit/window.h"
#include "tests/platform/pictures/picture_test_support.h"
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

struct Hostile {
  std::string name;
  Bytes bytes;
};

// The files that crashed or aborted the imaging library and whatever fuzzing found since (too
// wide, a TIFF, no width, pixels that cannot be decoded, a chunk claiming gigabytes), and a GIF
// whose screen claims half a gigabyte of pixels.
std::vector<Hostile> HostilePictures() {
  std::vector<Hostile> pictures;
  for (const auto& entry :
       std::filesystem::directory_iterator(picturetest::FixturePath("hostile", ""))) {
    std::ifstream file(entry.path(), std::ios::binary);
    pictures.push_back(
        {entry.path().filename().string(), Bytes(std::istreambuf_iterator<char>(file), {})});
  }
  pictures.push_back(
      {"GIF screen claiming 11000 x 11000", picturetest::GifWithScreen(11000, 11000)});
  return pictures;
}

// Each loads as a failure, never a crash, and without first setting aside what its header
// claims.
TEST(PictureLoaderTest, RefusesHostilePicturesWithoutActingOnTheirClaims) {
  const std::vector<Hostile> pictures = HostilePictures();
  ASSERT_GE(pictures.size(), 7u) << "the hostile fixtures are missing";
  const std::int64_t peakBefore = picturetest::PeakMemoryMegabytes();
  for (const Hostile& picture : pictures) {
    SCOPED_TRACE(picture.name);
    EXPECT_EQ(platform::LoadPicture(picture.bytes), 0);
    EXPECT_LT(picturetest::PeakMemoryMegabytes() - peakBefore, picturetest::kClaimActedOnMegabytes);
  }
}

std::vector<std::string> printed;

void Capture(QtMsgType, const QMessageLogContext&, const QString& message) {
  printed.push_back(message.toStdString());
}

Bytes FirstHalf(Bytes bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

// Whole, but with one byte of its pixel data changed: only the reader finds the fault.
Bytes DamagedPng() {
  Bytes png = picturetest::FixtureBytes("pictures", "png-grey.png");
  const std::string_view text(reinterpret_cast<const char*>(png.data()), png.size());
  const std::size_t data = text.find("IDAT");
  if (data != std::string_view::npos && data + 6 < png.size()) png[data + 6] ^= 0xFF;
  return png;
}

// The image readers (and libpng, by itself) complain about every one of these; none of it
// reaches the user's terminal.
TEST(PictureLoaderTest, BrokenPicturesPrintNothing) {
  std::vector<Hostile> pictures = HostilePictures();
  pictures.push_back({"a PNG with damaged pixel data", DamagedPng()});
  pictures.push_back(
      {"half a JPEG", FirstHalf(picturetest::FixtureBytes("pictures", "jpeg-baseline.jpg"))});
  pictures.push_back(
      {"an icon directory claiming entries it lacks", Bytes{0x00, 0x00, 0x01, 0x00, 0x05, 0x00}});
  printed.clear();
  const QtMessageHandler before = qInstallMessageHandler(Capture);
  testing::internal::CaptureStderr();
  for (const Hostile& picture : pictures) platform::LoadPicture(picture.bytes);
  const std::string standardError = testing::internal::GetCapturedStderr();
  qInstallMessageHandler(before);
  EXPECT_EQ(printed, std::vector<std::string>{});
  EXPECT_EQ(standardError, "");
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
