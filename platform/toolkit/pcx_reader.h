#pragma once

// A reader of PCX pictures, which no toolkit image reader handles. It trusts nothing in the
// file: the header is checked before anything is allocated, and the run-length data is decoded
// strictly inside the input and inside the picture.

#include <cstdint>
#include <optional>
#include <span>

#include <QImage>

namespace platform {

struct PcxHeader {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // per plane: 1, 2, 4 or 8
  int planes = 0;
  int bytesPerLine = 0;  // per plane, padding included
  int version = 0;
};

// The header, when the bytes begin with one this reader can decode: manufacturer 0x0A,
// run-length encoding, one of the layouts 1 bit x 1-4 planes, 2 or 4 bits x 1 plane, or
// 8 bits x 1, 3 or 4 planes, and a scanline long enough for the picture's width.
std::optional<PcxHeader> ReadPcxHeader(std::span<const std::uint8_t> bytes);

// True when the run-length data fills every scanline of the picture. Decodes nothing, so a
// file can be measured without the cost of its pixels.
bool PcxPixelDataComplete(std::span<const std::uint8_t> bytes, const PcxHeader& header);

// The picture as 32-bit ARGB, opaque unless it has an alpha plane. Fails for a header this
// reader refuses, for data that ends before the picture does, and for a picture larger than
// any picture may be.
std::optional<QImage> DecodePcx(std::span<const std::uint8_t> bytes);

}  // namespace platform
