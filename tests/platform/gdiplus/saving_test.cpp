// Encoding images into the layer's stream.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>

#include "platform/gdiplus/picture_format.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

std::vector<ImageCodecInfo> Encoders() {
  std::uint32_t count = 0;
  std::uint32_t size = 0;
  Library().GdipGetImageEncodersSize(&count, &size);
  std::vector<ImageCodecInfo> encoders(size / sizeof(ImageCodecInfo));
  Library().GdipGetImageEncoders(count, size, encoders.data());
  encoders.resize(count);
  return encoders;
}

std::optional<Guid> EncoderFor(const Guid& format) {
  for (const ImageCodecInfo& codec : Encoders()) {
    if (SameGuid(codec.FormatID, format)) return codec.Clsid;
  }
  return std::nullopt;
}

// 200 x 100 with every alpha from opaque to clear and colours that differ by position.
Handle MakeGradientBitmap() {
  Handle bitmap = nullptr;
  Library().GdipCreateBitmapFromScan0(200, 100, 0, kPixelFormat32bppArgb, nullptr, &bitmap);
  const GpRect whole{0, 0, 200, 100};
  BitmapData locked{};
  Library().GdipBitmapLockBits(bitmap, &whole, kImageLockModeWrite, kPixelFormat32bppArgb, &locked);
  for (int y = 0; y < 100; ++y) {
    auto* row =
        reinterpret_cast<Argb*>(static_cast<std::uint8_t*>(locked.Scan0) + y * locked.Stride);
    for (int x = 0; x < 200; ++x) {
      const Argb alpha = static_cast<Argb>(255 - x * 255 / 199);
      row[x] = alpha << 24 | static_cast<Argb>(x) << 16 | static_cast<Argb>(y * 2) << 8 | 0x40;
    }
  }
  Library().GdipBitmapUnlockBits(bitmap, &locked);
  return bitmap;
}

Bytes Save(Handle image, const Guid& encoder, Status* saved) {
  MemoryBlock block;
  Stream stream(&block);
  *saved = Library().GdipSaveImageToStream(image, &stream, &encoder, nullptr);
  return block.bytes;
}

QImage DecodeWithToolkit(const Bytes& bytes) {
  return QImage::fromData(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())))
      .convertToFormat(QImage::Format_ARGB32);
}

TEST(Saving, PngCarriesAlphaAndDecodesToTheSamePixels) {
  StartedLibrary started;
  const std::optional<Guid> png = EncoderFor(format_id::Png);
  ASSERT_TRUE(png);
  const Handle bitmap = MakeGradientBitmap();
  Status saved = status::GenericError;
  const Bytes file = Save(bitmap, *png, &saved);
  ASSERT_EQ(saved, status::Ok);
  ASSERT_GT(file.size(), 33u);
  EXPECT_EQ(DetectPictureFormat(file), PictureFormat::Png);
  EXPECT_EQ(file[24], 8) << "bits per channel";
  EXPECT_EQ(file[25], 6) << "colour type: RGB with alpha";

  const QImage decoded = DecodeWithToolkit(file);
  const Pixels pixels = ReadPixels(bitmap);
  ASSERT_EQ(decoded.width(), 200);
  ASSERT_EQ(decoded.height(), 100);
  int differing = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) differing += decoded.pixel(x, y) != pixels.At(x, y);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(decoded.pixel(0, 0) >> 24, 255u);
  EXPECT_EQ(decoded.pixel(199, 0) >> 24, 0u);
  Library().GdipDisposeImage(bitmap);
}

// The library's own encoders write through its callback save into the stream.
TEST(Saving, EveryEncoderWritesAPictureOfItsFormat) {
  StartedLibrary started;
  const Handle bitmap = MakeGradientBitmap();
  const std::vector<ImageCodecInfo> encoders = Encoders();
  ASSERT_GE(encoders.size(), 5u);
  for (const ImageCodecInfo& encoder : encoders) {
    SCOPED_TRACE(std::to_string(encoder.FormatID.Data1));
    Status saved = status::GenericError;
    const Bytes file = Save(bitmap, encoder.Clsid, &saved);
    ASSERT_EQ(saved, status::Ok);
    const std::optional<PictureFormat> format = DetectPictureFormat(file);
    ASSERT_TRUE(format);
    EXPECT_TRUE(SameGuid(FormatInfo(*format).rawFormat, encoder.FormatID));
    const QImage decoded = DecodeWithToolkit(file);
    EXPECT_EQ(decoded.width(), 200);
    EXPECT_EQ(decoded.height(), 100);
  }
  Library().GdipDisposeImage(bitmap);
}

TEST(Saving, AnUnknownEncoderWritesNothing) {
  StartedLibrary started;
  const Handle bitmap = MakeGradientBitmap();
  Status saved = status::Ok;
  EXPECT_TRUE(Save(bitmap, Guid{}, &saved).empty());
  EXPECT_EQ(saved, status::UnknownImageFormat);
  MemoryBlock block;
  Stream stream(&block);
  EXPECT_EQ(Library().GdipSaveImageToStream(bitmap, &stream, nullptr, nullptr),
            status::InvalidParameter);
  EXPECT_TRUE(block.bytes.empty());
  Library().GdipDisposeImage(bitmap);
}

}  // namespace
}  // namespace gdiplus_test
