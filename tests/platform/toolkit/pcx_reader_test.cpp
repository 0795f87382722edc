#include "platform/toolkit/pcx_reader.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/toolkit/odd_pictures.h"

namespace {

using platform::Bytes;
using testsupport::OddPictures;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;

// The fields of a PCX file that the cases vary; the rest of the header stays zero.
struct Pcx {
  int manufacturer = 0x0A;
  int version = 5;
  int encoding = 1;
  int bitsPerPixel = 8;
  int planes = 1;
  int xmin = 0;
  int ymin = 0;
  int xmax = 0;
  int ymax = 0;
  int bytesPerLine = 1;
  std::vector<QRgb> headerPalette{};  // up to 16 colours
  std::vector<std::uint8_t> data{};
  std::vector<QRgb> endPalette{};  // 256 colours, or none
};

std::vector<QRgb> Colours(std::size_t count, std::initializer_list<std::pair<int, QRgb>> set) {
  std::vector<QRgb> colours(count, kBlack);
  for (const auto& [index, colour] : set) colours[index] = colour;
  return colours;
}

void PutColour(Bytes& bytes, std::size_t at, QRgb colour) {
  bytes[at] = qRed(colour);
  bytes[at + 1] = qGreen(colour);
  bytes[at + 2] = qBlue(colour);
}

Bytes Encode(const Pcx& pcx) {
  Bytes bytes(128, 0);
  const auto word = [&](std::size_t at, int value) {
    bytes[at] = value & 0xFF;
    bytes[at + 1] = (value >> 8) & 0xFF;
  };
  bytes[0] = pcx.manufacturer;
  bytes[1] = pcx.version;
  bytes[2] = pcx.encoding;
  bytes[3] = pcx.bitsPerPixel;
  word(4, pcx.xmin);
  word(6, pcx.ymin);
  word(8, pcx.xmax);
  word(10, pcx.ymax);
  for (std::size_t i = 0; i < pcx.headerPalette.size(); ++i) {
    PutColour(bytes, 16 + 3 * i, pcx.headerPalette[i]);
  }
  bytes[65] = pcx.planes;
  word(66, pcx.bytesPerLine);
  bytes.insert(bytes.end(), pcx.data.begin(), pcx.data.end());
  if (!pcx.endPalette.empty()) {
    bytes.push_back(0x0C);
    const std::size_t at = bytes.size();
    bytes.resize(at + 768);
    for (std::size_t i = 0; i < 256; ++i) PutColour(bytes, at + 3 * i, pcx.endPalette[i]);
  }
  return bytes;
}

// count bytes of one value, in runs of at most 63.
std::vector<std::uint8_t> Runs(int count, std::uint8_t value) {
  std::vector<std::uint8_t> data{};
  for (; count > 0; count -= 63) {
    data.push_back(0xC0 | std::min(count, 63));
    data.push_back(value);
  }
  return data;
}

struct DecodeCase {
  const char* name;
  Pcx pcx;
  int width;  // 0: refused
  int height;
  std::vector<QRgb> pixels;  // row by row
};

const std::vector<QRgb> kRedGreen = Colours(256, {{1, kRed}, {2, kGreen}});

const std::array kDecodeCases{
    DecodeCase{"8 bits with the palette at the end",
               {.xmax = 1, .bytesPerLine = 2, .data = {1, 2}, .endPalette = kRedGreen},
               2,
               1,
               {kRed, kGreen}},
    DecodeCase{"8 bits without a palette are grey",
               {.xmax = 1, .bytesPerLine = 2, .data = {0x10, 0x80}},
               2,
               1,
               {qRgb(16, 16, 16), qRgb(128, 128, 128)}},
    DecodeCase{
        "a run crosses scanlines",
        {.xmax = 1, .ymax = 1, .bytesPerLine = 2, .data = {0xC4, 2}, .endPalette = kRedGreen},
        2,
        2,
        {kGreen, kGreen, kGreen, kGreen}},
    DecodeCase{"an empty run is skipped",
               {.xmax = 1, .bytesPerLine = 2, .data = {0xC0, 9, 1, 2}, .endPalette = kRedGreen},
               2,
               1,
               {kRed, kGreen}},
    DecodeCase{"a value with both top bits set comes in a run",
               {.xmax = 1,
                .bytesPerLine = 2,
                .data = {0xC1, 0xC5, 1},
                .endPalette = Colours(256, {{0xC5, kBlue}, {1, kRed}})},
               2,
               1,
               {kBlue, kRed}},
    DecodeCase{"scanline padding is no pixel",
               {.xmax = 2,
                .ymax = 1,
                .bytesPerLine = 4,
                .data = {1, 2, 1, 9, 2, 1, 2, 9},
                .endPalette = kRedGreen},
               3,
               2,
               {kRed, kGreen, kRed, kGreen, kRed, kGreen}},
    DecodeCase{"the window may start anywhere",
               {.xmin = 5,
                .ymin = 3,
                .xmax = 6,
                .ymax = 3,
                .bytesPerLine = 2,
                .data = {2, 1},
                .endPalette = kRedGreen},
               2,
               1,
               {kGreen, kRed}},
    DecodeCase{"three planes are red, green and blue",
               {.planes = 3, .xmax = 1, .bytesPerLine = 2, .data = {10, 20, 30, 40, 50, 60}},
               2,
               1,
               {qRgb(10, 30, 50), qRgb(20, 40, 60)}},
    DecodeCase{"a fourth plane is alpha",
               {.planes = 4, .data = {10, 20, 30, 40}},
               1,
               1,
               {qRgba(10, 20, 30, 40)}},
    DecodeCase{"one bit in four planes indexes the header palette",
               {.bitsPerPixel = 1,
                .planes = 4,
                .xmax = 1,
                .headerPalette = Colours(16, {{9, kRed}, {10, kGreen}}),
                .data = {0x80, 0x40, 0x00, 0xC1, 0xC0}},
               2,
               1,
               {kRed, kGreen}},
    DecodeCase{"a file without a palette uses the default colours",
               {.version = 3,
                .bitsPerPixel = 1,
                .planes = 4,
                .xmax = 1,
                .headerPalette = Colours(16, {{9, kRed}, {10, kGreen}}),
                .data = {0x80, 0x40, 0x00, 0xC1, 0xC0}},
               2,
               1,
               {0xFF5555FF, 0xFF55FF55}},
    DecodeCase{"two colours without a palette are black and white",
               {.bitsPerPixel = 1, .xmax = 1, .data = {0x40}},
               2,
               1,
               {kBlack, kWhite}},
    DecodeCase{"two bits index four colours",
               {.bitsPerPixel = 2,
                .xmax = 3,
                .headerPalette = {kRed, kGreen, kBlue, kWhite},
                .data = {0b00'01'10'11}},
               4,
               1,
               {kRed, kGreen, kBlue, kWhite}},

    DecodeCase{"another manufacturer", {.manufacturer = 0x0B, .data = {1}}, 0, 0, {}},
    DecodeCase{"not run-length encoded", {.encoding = 0, .data = {1}}, 0, 0, {}},
    DecodeCase{"an unknown version", {.version = 6, .data = {1}}, 0, 0, {}},
    DecodeCase{"three bits per pixel", {.bitsPerPixel = 3, .data = {1}}, 0, 0, {}},
    DecodeCase{"eight bits in two planes", {.planes = 2, .data = {1, 1}}, 0, 0, {}},
    DecodeCase{"no planes", {.planes = 0, .data = {1}}, 0, 0, {}},
    DecodeCase{
        "a window that ends before it starts", {.xmin = 5, .xmax = 4, .data = {1}}, 0, 0, {}},
    DecodeCase{"a scanline shorter than the picture",
               {.xmax = 2, .bytesPerLine = 2, .data = {1, 1, 1}},
               0,
               0,
               {}},
    DecodeCase{"data that ends early", {.xmax = 1, .bytesPerLine = 2, .data = {1}}, 0, 0, {}},
    DecodeCase{
        "a run without its value", {.xmax = 1, .bytesPerLine = 2, .data = {1, 0xC2}}, 0, 0, {}},
    DecodeCase{"wider than a picture may be",
               {.xmax = 39999, .bytesPerLine = 40000, .data = Runs(40000, 1)},
               0,
               0,
               {}},
};

TEST(PcxReaderTest, DecodesEveryLayoutAndRefusesBrokenFiles) {
  for (const DecodeCase& c : kDecodeCases) {
    SCOPED_TRACE(c.name);
    const std::optional<QImage> image = platform::DecodePcx(Encode(c.pcx));
    if (c.width == 0) {
      EXPECT_FALSE(image.has_value());
      continue;
    }
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->width(), c.width);
    ASSERT_EQ(image->height(), c.height);
    std::vector<QRgb> pixels;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) pixels.push_back(image->pixel(x, y));
    }
    EXPECT_EQ(pixels, c.pixels);
  }
}

// Pictures written by another program, in every layout it writes, against their source.
TEST(PcxReaderTest, DecodesWrittenPicturesToTheirSourcePixels) {
  const OddPictures& odd = OddPictures::Get();
  if (!odd.error().empty()) GTEST_FAIL() << odd.error();
  struct Written {
    const char* pcx;
    const char* source;
  };
  constexpr std::array kWritten{
      Written{"known-1bit-1plane.pcx", "known-2colours.ppm"},
      Written{"known-1bit-2planes.pcx", "known-4colours.ppm"},
      Written{"known-1bit-3planes.pcx", "known-4colours.ppm"},
      Written{"known-2bit-packed.pcx", "known-4colours.ppm"},
      Written{"known-1bit-4planes.pcx", "known-12colours.ppm"},
      Written{"known-4bit-packed.pcx", "known-12colours.ppm"},
      Written{"known-8bit.pcx", "known-12colours.ppm"},
      Written{"known-24bit.pcx", "known-12colours.ppm"},
      Written{"known-runs-8bit.pcx", "known-runs.ppm"},
      Written{"known-rose-24bit.pcx", "known-rose.ppm"},
  };
  for (const Written& written : kWritten) {
    SCOPED_TRACE(written.pcx);
    const QImage source = QImage(QString::fromStdString(odd.Path(written.source)))
                              .convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(source.isNull());
    const std::optional<QImage> decoded = platform::DecodePcx(odd.Read(written.pcx));
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), source.size());
    for (int y = 0; y < source.height(); ++y) {
      for (int x = 0; x < source.width(); ++x) {
        ASSERT_EQ(decoded->pixel(x, y), source.pixel(x, y)) << "at " << x << ", " << y;
      }
    }
  }
}

}  // namespace
