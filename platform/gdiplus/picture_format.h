#pragma once

// The picture formats the layer decodes, with the raw-format identifier the library answers
// for each.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/pictures/picture_format.h"

namespace platform::gdiplus {

using pictures::PictureFormat;

struct PictureFormatInfo {
  PictureFormat format;
  Guid rawFormat;
  bool multiFrame;  // may hold more frames than the one handed to the library
};

namespace format_id {
// The library's image format identifiers differ only in their first field.
constexpr Guid Make(std::uint32_t first) {
  return Guid{first, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}
constexpr Guid MemoryBmp = Make(0xB96B3CAA);
constexpr Guid Bmp = Make(0xB96B3CAB);
constexpr Guid Jpeg = Make(0xB96B3CAE);
constexpr Guid Png = Make(0xB96B3CAF);
constexpr Guid Gif = Make(0xB96B3CB0);
constexpr Guid Tiff = Make(0xB96B3CB1);
constexpr Guid Icon = Make(0xB96B3CB5);
}  // namespace format_id

bool SameGuid(const Guid& a, const Guid& b);

// The format of bytes the layer decodes: one the library reads too (PCX is not); none for
// anything else, empty bytes included.
std::optional<PictureFormat> DetectPictureFormat(std::span<const std::uint8_t> bytes);

// For a format DetectPictureFormat answers.
const PictureFormatInfo& FormatInfo(PictureFormat format);

}  // namespace platform::gdiplus
