#pragma once

// One image of the imaging library, in practice always a bitmap: created blank, decoded from
// a file's bytes, measured and encoded back to a file's bytes.

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/encoder_parameters.h"
#include "imaging/imaging_object_base.h"
#include "imaging/memory_stream.h"

namespace imaging {

// The format identifier of PNG files.
inline constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

class ImageObject : public ImagingObjectBase {
 public:
  ImageObject() = default;
  ~ImageObject() override;

  // The same library object seen by the image methods and by the bitmap methods.
  Handle ImageHandle() const { return image_; }
  Handle BitmapHandle() const { return bitmap_; }
  // The encoded bytes a decoded image was made from; empty otherwise.
  const MemoryStream& SourceStream() const { return source_; }

  // Disposes of the image and releases the bytes it was decoded from. An empty object
  // answers false and leaves everything, the last status included, as it was.
  bool Dispose();

  // Decodes a picture file held in bytes, replacing (and disposing of) the image held before.
  // Bytes that do not decode leave the object empty.
  bool LoadFromBytes(const Bytes& bytes, bool useColourManagement = false);

  // The encoded file in the format given (the image's own format when omitted); empty bytes
  // when no encoder writes that format or the encoding fails.
  Bytes SaveToBytes(std::optional<std::string> format = std::nullopt,
                    const EncoderParameterSet* parameters = nullptr) const;

  // The image's format identifier as GUID text; empty text for an empty object.
  std::string GetRawFormat() const;
  std::int32_t GetWidth() const;
  std::int32_t GetHeight() const;

  // A new bitmap whose pixels are all 0 (32-bit ARGB unless another format is given). A
  // handle held before is overwritten, not disposed.
  bool CreateBitmap(std::int32_t width, std::int32_t height,
                    std::optional<std::int32_t> pixelFormat = std::nullopt);

 protected:
  Handle MirrorNativeHandle(Handle handle) override;
  virtual Handle MirrorBitmapHandle(Handle handle);

 private:
  Handle image_ = nullptr;
  Handle bitmap_ = nullptr;
  MemoryStream source_;
};

}  // namespace imaging
