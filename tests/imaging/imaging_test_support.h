#pragma once

// Shared helpers of the imaging tests: pictures made with the toolkit's encoders, decoding of
// what the imaging objects wrote, and a bitmap filled through the objects under test.

#include <QImage>
#include <cstdint>
#include <string>

#include "imaging/image_object.h"
#include "platform/runtime/bytes.h"

namespace imagingtest {

using platform::Bytes;

// The picture encoded by the toolkit in format ("PNG", "JPG", "BMP", "ICO", "TIFF").
Bytes Encode(const QImage& picture, const char* format);
// Decoded as unpremultiplied 32-bit ARGB; a null image when the bytes do not decode.
QImage Decode(const Bytes& bytes);
// A picture whose every pixel has its own opaque colour, so a shifted or scaled copy shows.
QImage PatternPicture(int width, int height);
// A new bitmap of the size, filled with colour through a surface and a solid brush.
bool MakeFilledBitmap(imaging::ImageObject& bitmap, int width, int height,
                      platform::gdiplus::Argb colour);
// The bitmap as the toolkit decodes its PNG encoding.
QImage Pixels(const imaging::ImageObject& bitmap);

}  // namespace imagingtest
