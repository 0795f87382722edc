#include "platform/gdiplus/picture_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace platform::gdiplus {
namespace {

struct Signature {
  PictureFormat format;
  std::string_view bytes;
};

using namespace std::string_view_literals;

// Bitmaps and device-independent bitmaps share the "BM" file header; cursors differ from
// icons only in the resource type of the directory header.
constexpr std::array kSignatures{
    Signature{PictureFormat::Png, "\x89PNG\r\n\x1a\n"sv},
    Signature{PictureFormat::Jpeg, "\xFF\xD8\xFF"sv},
    Signature{PictureFormat::Gif, "GIF87a"sv},
    Signature{PictureFormat::Gif, "GIF89a"sv},
    Signature{PictureFormat::Bmp, "BM"sv},
    Signature{PictureFormat::Icon, "\x00\x00\x01\x00"sv},
    Signature{PictureFormat::Cursor, "\x00\x00\x02\x00"sv},
    Signature{PictureFormat::Tiff, "II*\x00"sv},
    Signature{PictureFormat::Tiff, "MM\x00*"sv},
};

constexpr std::array kFormats{
    PictureFormatInfo{PictureFormat::Png, "png", format_id::Png, false},
    PictureFormatInfo{PictureFormat::Jpeg, "jpeg", format_id::Jpeg, false},
    PictureFormatInfo{PictureFormat::Gif, "gif", format_id::Gif, true},
    PictureFormatInfo{PictureFormat::Bmp, "bmp", format_id::Bmp, false},
    PictureFormatInfo{PictureFormat::Icon, "ico", format_id::Icon, false},
    PictureFormatInfo{PictureFormat::Cursor, "cur", format_id::Icon, false},
    PictureFormatInfo{PictureFormat::Tiff, "tiff", format_id::Tiff, true},
};

}  // namespace

bool SameGuid(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof(Guid)) == 0; }

std::optional<PictureFormat> DetectPictureFormat(std::span<const std::uint8_t> bytes) {
  for (const Signature& signature : kSignatures) {
    if (bytes.size() >= signature.bytes.size() &&
        std::equal(signature.bytes.begin(), signature.bytes.end(), bytes.begin(),
                   [](char expected, std::uint8_t actual) {
                     return static_cast<std::uint8_t>(expected) == actual;
                   })) {
      return signature.format;
    }
  }
  return std::nullopt;
}

const PictureFormatInfo& FormatInfo(PictureFormat format) {
  return *std::find_if(kFormats.begin(), kFormats.end(),
                       [format](const PictureFormatInfo& info) { return info.format == format; });
}

}  // namespace platform::gdiplus
