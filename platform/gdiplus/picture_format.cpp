#include "platform/gdiplus/picture_format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace platform::gdiplus {
namespace {

constexpr std::array kFormats{
    PictureFormatInfo{PictureFormat::Png, format_id::Png, false},
    PictureFormatInfo{PictureFormat::Jpeg, format_id::Jpeg, false},
    PictureFormatInfo{PictureFormat::Gif, format_id::Gif, true},
    PictureFormatInfo{PictureFormat::Bmp, format_id::Bmp, false},
    PictureFormatInfo{PictureFormat::Icon, format_id::Icon, false},
    PictureFormatInfo{PictureFormat::Cursor, format_id::Icon, false},
    PictureFormatInfo{PictureFormat::Tiff, format_id::Tiff, true},
};

const PictureFormatInfo* FindInfo(PictureFormat format) {
  const auto found =
      std::find_if(kFormats.begin(), kFormats.end(),
                   [format](const PictureFormatInfo& info) { return info.format == format; });
  return found == kFormats.end() ? nullptr : &*found;
}

}  // namespace

bool SameGuid(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof(Guid)) == 0; }

std::optional<PictureFormat> DetectPictureFormat(std::span<const std::uint8_t> bytes) {
  const std::optional<PictureFormat> format = pictures::DetectPictureFormat(bytes);
  if (!format || !FindInfo(*format)) return std::nullopt;
  return format;
}

const PictureFormatInfo& FormatInfo(PictureFormat format) { return *FindInfo(format); }

}  // namespace platform::gdiplus
