#include "imaging/image_object.h"

#include "imaging/encoder_list.h"
#include "imaging/guid_text.h"

namespace imaging {

ImageObject::~ImageObject() { Dispose(); }

Handle ImageObject::MirrorNativeHandle(Handle handle) {
  image_ = handle;
  return MirrorBitmapHandle(handle);
}

Handle ImageObject::MirrorBitmapHandle(Handle handle) {
  bitmap_ = handle;
  return handle;
}

bool ImageObject::Dispose() {
  if (!bitmap_) return false;
  const bool ok = DeleteNative<&Api::GdipDisposeImage>(bitmap_);
  // The image may read its encoded bytes while it lives, so they go only after it.
  source_.Release();
  return ok;
}

bool ImageObject::LoadFromBytes(const Bytes& bytes, bool useColourManagement) {
  // Replacing the image without disposing of it would leak one bitmap per import.
  Dispose();
  Stream* stream = source_.CreateFromBytes(bytes);
  const bool ok = useColourManagement ? CreateNative<&Api::GdipCreateBitmapFromStreamICM>(stream)
                                      : CreateNative<&Api::GdipCreateBitmapFromStream>(stream);
  // Nothing reads the copy when the picture did not decode.
  if (!bitmap_) source_.Release();
  return ok;
}

Bytes ImageObject::SaveToBytes(std::optional<std::string> format,
                               const EncoderParameterSet* parameters) const {
  const Guid encoder = TextToGuid(FindEncoderClsid(format ? *format : GetRawFormat()));
  std::optional<PackedEncoderParameters> packed;
  if (parameters) packed.emplace(PackEncoderParameters(*parameters));

  MemoryStream encoded;
  Stream* stream = encoded.CreateFromBytes({});
  // A failed encoding may have written part of a file; only a complete one is answered.
  if (!CallAction<&Api::GdipSaveImageToStream>(image_, stream, &encoder,
                                               packed ? packed->Get() : nullptr)) {
    return {};
  }
  return encoded.ToBytes();
}

std::string ImageObject::GetRawFormat() const {
  Guid format{};
  if (!CallAction<&Api::GdipGetImageRawFormat>(image_, &format)) return {};
  return GuidToText(format);
}

std::int32_t ImageObject::GetWidth() const {
  return static_cast<std::int32_t>(CallQuery<std::uint32_t, &Api::GdipGetImageWidth>(image_));
}

std::int32_t ImageObject::GetHeight() const {
  return static_cast<std::int32_t>(CallQuery<std::uint32_t, &Api::GdipGetImageHeight>(image_));
}

bool ImageObject::CreateBitmap(std::int32_t width, std::int32_t height,
                               std::optional<std::int32_t> pixelFormat) {
  return CreateNative<&Api::GdipCreateBitmapFromScan0>(
      width, height, 0, pixelFormat.value_or(platform::gdiplus::kPixelFormat32bppArgb),
      static_cast<std::uint8_t*>(nullptr));
}

}  // namespace imaging
