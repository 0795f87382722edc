#pragma once

// The layer's own picture decoding: the library never parses a file. Recognises the format
// from the bytes, refuses pictures whose header claims more than the layer hands to the
// library before decoding anything, and decodes with the toolkit's image readers.

#include <QImage>
#include <cstdint>
#include <span>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/gdiplus/picture_format.h"

namespace platform::gdiplus {

struct DecodedPicture {
  // Ok, InvalidParameter for bytes of no known format (empty bytes included), OutOfMemory
  // for a picture too large or damaged; the library answers the same for these.
  Status status = status::InvalidParameter;
  PictureFormat format = PictureFormat::Png;
  // 32-bit ARGB, not premultiplied: the first frame, or an icon file's largest entry (then
  // its deepest colour).
  QImage image;
  int frameCount = 0;
};

DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes);

// The frame at index (from 0) of a multi-frame GIF or TIFF, under the same guards.
DecodedPicture DecodeFrame(std::span<const std::uint8_t> bytes, int index);

}  // namespace platform::gdiplus
