#include "platform/gdiplus/picture_decoder.h"

#include <algorithm>

#include "platform/pictures/header_claims.h"
#include "platform/pictures/picture_reader.h"
#include "platform/pictures/quiet_image_warnings.h"

namespace platform::gdiplus {
namespace {

using pictures::PictureReader;

DecodedPicture Failed(PictureFormat format, Status status) {
  DecodedPicture failed;
  failed.format = format;
  failed.status = status;
  return failed;
}

DecodedPicture ReadCurrent(PictureReader& reader, PictureFormat format) {
  const QImage image = reader.Read();
  if (image.isNull()) return Failed(format, status::OutOfMemory);
  DecodedPicture decoded;
  decoded.status = status::Ok;
  decoded.format = format;
  decoded.image = image.convertToFormat(QImage::Format_ARGB32);
  decoded.frameCount = 1;
  if (decoded.image.isNull()) return Failed(format, status::OutOfMemory);
  return decoded;
}

int CountFrames(std::span<const std::uint8_t> bytes, PictureFormat format) {
  if (!FormatInfo(format).multiFrame) return 1;
  PictureReader counter(bytes, format);
  return std::max(1, counter.Reader().imageCount());
}

// Moves to the frame at index: directly where the reader can jump, else by reading past the
// frames before it (each of which passes the size guard too).
bool SkipTo(PictureReader& reader, PictureFormat format, int index) {
  if (index == 0 || reader.Reader().jumpToImage(index)) return true;
  for (int i = 0; i < index; ++i) {
    if (ReadCurrent(reader, format).status != status::Ok) return false;
  }
  return true;
}

// The format of bytes that may go to a reader, or the status that refuses them.
std::optional<PictureFormat> ReadableFormat(std::span<const std::uint8_t> bytes, Status* refusal) {
  const std::optional<PictureFormat> format = DetectPictureFormat(bytes);
  *refusal = status::InvalidParameter;
  if (!format) return std::nullopt;
  *refusal = status::OutOfMemory;
  if (!pictures::HeaderClaimsFit(bytes, *format)) return std::nullopt;
  return format;
}

}  // namespace

DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes) {
  Status refusal = status::Ok;
  const std::optional<PictureFormat> format = ReadableFormat(bytes, &refusal);
  if (!format) return Failed(PictureFormat::Png, refusal);
  pictures::QuietImageWarnings quiet;
  PictureReader reader(bytes, *format);
  DecodedPicture decoded = ReadCurrent(reader, *format);
  if (decoded.status == status::Ok) decoded.frameCount = CountFrames(bytes, *format);
  return decoded;
}

DecodedPicture DecodeFrame(std::span<const std::uint8_t> bytes, int index) {
  Status refusal = status::Ok;
  const std::optional<PictureFormat> format = ReadableFormat(bytes, &refusal);
  if (!format) return Failed(PictureFormat::Png, refusal);
  pictures::QuietImageWarnings quiet;
  if (index < 0 || index >= CountFrames(bytes, *format)) {
    return Failed(*format, status::InvalidParameter);
  }
  PictureReader reader(bytes, *format);
  if (!SkipTo(reader, *format, index)) return Failed(*format, status::InvalidParameter);
  return ReadCurrent(reader, *format);
}

}  // namespace platform::gdiplus
