// Encoding an image into a stream: PNG by the layer's own encoder, every other format by the
// library's encoders.

#include <mutex>
#include <optional>
#include <vector>

#include "platform/gdiplus/delegate_save.h"
#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"
#include "platform/gdiplus/picture_format.h"
#include "platform/gdiplus/png_encoder.h"

namespace platform::gdiplus {
namespace {

// The class identifier of the library's PNG encoder, found in its encoder list. Kept once
// found; not cached while the list is unavailable.
std::optional<Guid> PngEncoderClsid() {
  static std::mutex mutex;
  static std::optional<Guid> found;
  std::lock_guard lock(mutex);
  if (found) return found;
  const Api& native = Native().api;
  std::uint32_t count = 0;
  std::uint32_t size = 0;
  if (native.GdipGetImageEncodersSize(&count, &size) != status::Ok || count == 0 ||
      size < count * sizeof(ImageCodecInfo)) {
    return std::nullopt;
  }
  std::vector<ImageCodecInfo> codecs((size + sizeof(ImageCodecInfo) - 1) / sizeof(ImageCodecInfo));
  if (native.GdipGetImageEncoders(count, size, codecs.data()) != status::Ok) return std::nullopt;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (SameGuid(codecs[i].FormatID, format_id::Png)) found = codecs[i].Clsid;
  }
  return found;
}

bool IsPngEncoder(const Guid& encoder) {
  const std::optional<Guid> png = PngEncoderClsid();
  return png && SameGuid(*png, encoder);
}

Status SavePng(Handle image, Stream& stream) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  const Api& native = Native().api;
  Status result = native.GdipGetImageWidth(image, &width);
  if (result == status::Ok) result = native.GdipGetImageHeight(image, &height);
  if (result != status::Ok) return result;
  const GpRect whole{0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
  BitmapData locked{};
  result =
      layer::GdipBitmapLockBits(image, &whole, kImageLockModeRead, kPixelFormat32bppArgb, &locked);
  if (result != status::Ok) return result;
  const std::optional<Bytes> png =
      EncodePng({static_cast<const std::uint8_t*>(locked.Scan0), static_cast<int>(locked.Width),
                 static_cast<int>(locked.Height), locked.Stride});
  result = layer::GdipBitmapUnlockBits(image, &locked);
  if (!png) return status::OutOfMemory;
  if (result != status::Ok) return result;
  const auto size = static_cast<std::int64_t>(png->size());
  return stream.Write(png->data(), size) == size ? status::Ok : status::Win32Error;
}

}  // namespace

namespace layer {

Status GdipSaveImageToStream(Handle image, Stream* stream, const Guid* encoder,
                             const EncoderParameters* parameters) {
  if (!image || !stream || !encoder) return status::InvalidParameter;
  if (IsPngEncoder(*encoder)) return SavePng(image, *stream);
  return SaveThroughLibrary(image, *stream, *encoder, parameters);
}

}  // namespace layer
}  // namespace platform::gdiplus
