// Making a bitmap from an encoded picture in a stream: the layer decodes, the library only
// receives pixels.

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdiplus/image_registry.h"
#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/picture_decoder.h"

namespace platform::gdiplus {
namespace {

// Everything from the stream's position on, as a stream reader would see it.
Bytes RemainingBytes(Stream& stream) {
  Bytes bytes(
      static_cast<std::size_t>(std::max<std::int64_t>(0, stream.Size() - stream.Position())));
  bytes.resize(
      static_cast<std::size_t>(stream.Read(bytes.data(), static_cast<std::int64_t>(bytes.size()))));
  return bytes;
}

// A new 32-bit ARGB bitmap holding the picture's pixels. The library gets no pixel buffer of
// ours (it would draw into a surface of its own and the two drift apart): it allocates the
// bitmap and the pixels are copied in through a write lock.
Status BitmapFromPicture(const QImage& picture, Handle* bitmap) {
  Status made = layer::GdipCreateBitmapFromScan0(picture.width(), picture.height(), 0,
                                                 kPixelFormat32bppArgb, nullptr, bitmap);
  if (made != status::Ok) return made;
  const GpRect whole{0, 0, picture.width(), picture.height()};
  BitmapData locked{};
  made = layer::GdipBitmapLockBits(*bitmap, &whole, kImageLockModeWrite, kPixelFormat32bppArgb,
                                   &locked);
  if (made == status::Ok) {
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width()) * 4;
    auto* target = static_cast<std::uint8_t*>(locked.Scan0);
    for (int y = 0; y < picture.height(); ++y) {
      std::memcpy(target + static_cast<std::ptrdiff_t>(y) * locked.Stride, picture.constScanLine(y),
                  rowBytes);
    }
    made = layer::GdipBitmapUnlockBits(*bitmap, &locked);
  }
  if (made != status::Ok) {
    layer::GdipDisposeImage(*bitmap);
    *bitmap = nullptr;
  }
  return made;
}

Status BitmapFromStream(Stream* stream, Handle* bitmap) {
  if (!bitmap) return status::InvalidParameter;
  *bitmap = nullptr;
  if (!stream) return status::InvalidParameter;
  Bytes bytes = RemainingBytes(*stream);
  DecodedPicture decoded = DecodePicture(bytes);
  if (decoded.status != status::Ok) return decoded.status;
  const Status made = BitmapFromPicture(decoded.image, bitmap);
  if (made != status::Ok) return made;
  DecodedOrigin origin;
  origin.rawFormat = FormatInfo(decoded.format).rawFormat;
  origin.frameCount = decoded.frameCount;
  if (decoded.frameCount > 1) origin.bytes = std::make_shared<const Bytes>(std::move(bytes));
  RememberDecoded(*bitmap, std::move(origin));
  return status::Ok;
}

}  // namespace

namespace layer {

Status GdipCreateBitmapFromStream(Stream* stream, Handle* bitmap) {
  return BitmapFromStream(stream, bitmap);
}

// Colour management asks for nothing more here: the readers hand over the picture's colours
// as stored, like the plain road.
Status GdipCreateBitmapFromStreamICM(Stream* stream, Handle* bitmap) {
  return BitmapFromStream(stream, bitmap);
}

}  // namespace layer
}  // namespace platform::gdiplus
