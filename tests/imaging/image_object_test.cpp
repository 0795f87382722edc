#include "imaging/image_object.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <set>
#include <string>

#include "imaging/encoder_list.h"
#include "imaging/guid_text.h"
#include "imaging/imaging.h"
#include "tests/imaging/imaging_test_support.h"

namespace {

using imaging::ImageObject;
using imagingtest::Decode;
using imagingtest::Encode;
using platform::Bytes;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
         std::uint32_t{bytes[offset + 2]} << 8 | bytes[offset + 3];
}

TEST(ImageEncoders, ListTheFiveEncodersWithTheirFormatsAndNames) {
  struct Expected {
    const char* format;
    const char* mime;
  };
  const std::array expected{
      Expected{"{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}", "image/bmp"},
      Expected{"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}", "image/jpeg"},
      Expected{"{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}", "image/gif"},
      Expected{"{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}", "image/tiff"},
      Expected{imaging::kPngFormat, "image/png"},
  };
  const auto encoders = imaging::ListImageEncoders();
  ASSERT_EQ(encoders.size(), expected.size());
  std::set<std::string> clsids;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& encoder = encoders[i];
    EXPECT_EQ(encoder.FormatID, expected[i].format) << i;
    EXPECT_EQ(encoder.MimeType, expected[i].mime) << i;
    EXPECT_FALSE(encoder.CodecName.empty()) << expected[i].mime;
    EXPECT_NE(encoder.FilenameExtension.find("*."), std::string::npos) << expected[i].mime;
    EXPECT_EQ(encoder.SigPattern.size(), std::size_t(encoder.SigCount) * encoder.SigSize);
    EXPECT_EQ(imaging::GuidToText(imaging::TextToGuid(encoder.Clsid)), encoder.Clsid);
    EXPECT_EQ(imaging::FindEncoderClsid(encoder.FormatID), encoder.Clsid) << expected[i].mime;
    clsids.insert(encoder.Clsid);
  }
  EXPECT_EQ(clsids.size(), expected.size()) << "every encoder has its own class identifier";
}

TEST(ImageObject, SavesABitmapAsPngWithItsSizeAndAlpha) {
  ImageObject bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(200, 100));
  EXPECT_EQ(bitmap.GetWidth(), 200);
  EXPECT_EQ(bitmap.GetHeight(), 100);

  const Bytes png = bitmap.SaveToBytes(std::string(imaging::kPngFormat));
  ASSERT_GT(png.size(), 26u);
  const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), signature);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), 200u);
  EXPECT_EQ(BigEndian(png, 20), 100u);
  EXPECT_EQ(png[25], 6) << "colour type RGBA";
  EXPECT_EQ(Decode(png).pixel(199, 99), 0u) << "a new bitmap is transparent black";
}

TEST(ImageObject, SavesNothingWithoutAnEncoderOrAnImage) {
  ImageObject bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(20, 10));
  EXPECT_TRUE(bitmap.SaveToBytes(std::string("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")).empty())
      << "the lookup is case-sensitive";
  EXPECT_TRUE(bitmap.SaveToBytes(std::string("")).empty());
  EXPECT_TRUE(bitmap.SaveToBytes().empty()) << "a blank bitmap's own format has no encoder";

  const ImageObject empty;
  EXPECT_TRUE(empty.SaveToBytes(std::string(imaging::kPngFormat)).empty());
  EXPECT_TRUE(empty.SaveToBytes().empty());
}

TEST(ImageObject, LoadsPicturesWithTheirSizeAndFormat) {
  struct Case {
    const char* name;
    Bytes bytes;
    const char* rawFormat;
  };
  const QImage picture = imagingtest::PatternPicture(7, 3);
  // 7 x 3, written by an outside encoder, since the toolkit writes no GIF.
  const Bytes gif{0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x07, 0x00, 0x03, 0x00, 0xf0, 0x00,
                  0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00,
                  0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x03, 0x00,
                  0x00, 0x02, 0x04, 0x0c, 0x8e, 0xa9, 0x5a, 0x00, 0x3b};
  const std::array cases{
      Case{"PNG", Encode(picture, "PNG"), imaging::kPngFormat},
      Case{"JPEG", Encode(picture, "JPG"), "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}"},
      Case{"GIF", gif, "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}"},
      Case{"BMP", Encode(picture, "BMP"), "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}"},
      Case{"ICO", Encode(picture, "ICO"), "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}"},
      Case{"TIFF", Encode(picture, "TIFF"), "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}"},
  };
  for (const Case& c : cases) {
    ImageObject image;
    ASSERT_FALSE(c.bytes.empty()) << c.name;
    EXPECT_TRUE(image.LoadFromBytes(c.bytes)) << c.name;
    EXPECT_EQ(image.GetWidth(), 7) << c.name;
    EXPECT_EQ(image.GetHeight(), 3) << c.name;
    EXPECT_EQ(image.GetRawFormat(), c.rawFormat) << c.name;
    EXPECT_EQ(image.SourceStream().ToBytes(), c.bytes)
        << c.name << ": the bytes stay while it lives";
  }
}

TEST(ImageObject, SavesALoadedPictureInItsOwnFormatByDefault) {
  const QImage picture = imagingtest::PatternPicture(5, 4);
  ImageObject image;
  ASSERT_TRUE(image.LoadFromBytes(Encode(picture, "PNG")));
  const QImage saved = Decode(image.SaveToBytes());
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved, picture);
}

TEST(ImageObject, UndecodableBytesLeaveTheObjectEmpty) {
  const Bytes png = Encode(imagingtest::PatternPicture(4, 4), "PNG");
  const std::array<std::pair<const char*, Bytes>, 3> cases{{
      {"empty bytes", {}},
      {"not a picture", {'h', 'e', 'l', 'l', 'o'}},
      {"cut PNG", Bytes(png.begin(), png.begin() + 30)},
  }};
  for (const auto& [name, bytes] : cases) {
    ImageObject image;
    ASSERT_TRUE(image.LoadFromBytes(png)) << name;
    EXPECT_FALSE(image.LoadFromBytes(bytes)) << name;
    EXPECT_NE(imaging::LastStatus(), platform::gdiplus::status::Ok) << name;
    EXPECT_EQ(image.GetNativeHandle(), nullptr) << name;
    EXPECT_EQ(image.BitmapHandle(), nullptr) << name;
    EXPECT_EQ(image.SourceStream().GetStream(), nullptr) << name;
    EXPECT_EQ(image.GetWidth(), 0) << name;
  }
}

TEST(ImageObject, DisposeReleasesTheImageAndItsBytes) {
  ImageObject image;
  ASSERT_TRUE(image.LoadFromBytes(Encode(imagingtest::PatternPicture(4, 4), "PNG")));
  EXPECT_TRUE(image.Dispose());
  EXPECT_EQ(image.GetNativeHandle(), nullptr);
  EXPECT_EQ(image.SourceStream().GetStream(), nullptr);
  EXPECT_EQ(image.SourceStream().GetMemoryHandle(), nullptr);
}

TEST(ImageObject, EncoderParametersReachTheEncoder) {
  // Noise makes JPEG quality show in the pixels.
  QImage noise(32, 32, QImage::Format_ARGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      seed = seed * 1103515245 + 12345;
      noise.setPixel(x, y, 0xFF000000 | (seed >> 8));
    }
  }
  ImageObject image;
  ASSERT_TRUE(image.LoadFromBytes(Encode(noise, "PNG")));

  const auto distance = [&](std::uint8_t quality) {
    imaging::EncoderParameterSet set;
    set.Count = 1;
    set.Parameters = {{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, {quality, 0, 0, 0}}};
    const QImage saved =
        Decode(image.SaveToBytes(std::string("{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}"), &set));
    EXPECT_EQ(saved.size(), noise.size()) << int(quality);
    long total = 0;
    for (int y = 0; y < saved.height(); ++y) {
      for (int x = 0; x < saved.width(); ++x) {
        total += std::abs(qGreen(saved.pixel(x, y)) - qGreen(noise.pixel(x, y)));
      }
    }
    return total;
  };
  EXPECT_LT(distance(100), distance(5));
}

}  // namespace
