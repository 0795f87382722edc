#include "platform/pictures/picture_format.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace platform::pictures {
namespace {

using namespace std::string_view_literals;

struct Signature {
  std::string_view magic;
  PictureFormat format;
  const char* readerName;
};

// Bitmaps and device-independent bitmaps share the "BM" file header; cursors differ from icons
// only in the resource type of the directory header. A PCX file is told by its manufacturer
// byte alone, which no other signature begins with.
constexpr std::array kSignatures{
    Signature{"\x89PNG\r\n\x1a\n"sv, PictureFormat::Png, "png"},
    Signature{"\xFF\xD8\xFF"sv, PictureFormat::Jpeg, "jpeg"},
    Signature{"GIF87a"sv, PictureFormat::Gif, "gif"},
    Signature{"GIF89a"sv, PictureFormat::Gif, "gif"},
    Signature{"BM"sv, PictureFormat::Bmp, "bmp"},
    Signature{"\x00\x00\x01\x00"sv, PictureFormat::Icon, "ico"},
    Signature{"\x00\x00\x02\x00"sv, PictureFormat::Cursor, "cur"},
    Signature{"II*\x00"sv, PictureFormat::Tiff, "tiff"},
    Signature{"MM\x00*"sv, PictureFormat::Tiff, "tiff"},
    Signature{"\x0A"sv, PictureFormat::Pcx, nullptr},
};

bool BeginsWith(std::span<const std::uint8_t> bytes, std::string_view magic) {
  return bytes.size() >= magic.size() &&
         std::equal(magic.begin(), magic.end(), bytes.begin(),
                    [](char expected, std::uint8_t actual) {
                      return static_cast<std::uint8_t>(expected) == actual;
                    });
}

}  // namespace

std::optional<PictureFormat> DetectPictureFormat(std::span<const std::uint8_t> bytes) {
  for (const Signature& signature : kSignatures) {
    if (BeginsWith(bytes, signature.magic)) return signature.format;
  }
  return std::nullopt;
}

const char* ReaderName(PictureFormat format) {
  return std::find_if(kSignatures.begin(), kSignatures.end(),
                      [format](const Signature& signature) { return signature.format == format; })
      ->readerName;
}

}  // namespace platform::pictures
