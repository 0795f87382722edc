// Formats told from the first bytes.

#include "platform/pictures/picture_format.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>

namespace {

using platform::pictures::DetectPictureFormat;
using platform::pictures::PictureFormat;
using namespace std::string_view_literals;

TEST(PictureFormat, IsToldFromTheSignatureAlone) {
  struct Case {
    std::string_view bytes;
    std::optional<PictureFormat> format;
  };
  constexpr std::array cases{
      Case{"\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"sv, PictureFormat::Png},
      Case{"\x89PNG\r\n\x1a"sv, std::nullopt},
      Case{"\xFF\xD8\xFF\xE0"sv, PictureFormat::Jpeg},
      Case{"GIF87a"sv, PictureFormat::Gif},
      Case{"GIF89a\x28\x00"sv, PictureFormat::Gif},
      Case{"GIF88a"sv, std::nullopt},
      Case{"BM\x36\x00"sv, PictureFormat::Bmp},
      Case{"\x00\x00\x01\x00\x01\x00"sv, PictureFormat::Icon},
      Case{"\x00\x00\x02\x00\x01\x00"sv, PictureFormat::Cursor},
      Case{"II*\x00"sv, PictureFormat::Tiff},
      Case{"MM\x00*"sv, PictureFormat::Tiff},
      Case{"\x0A\x05\x01\x08"sv, PictureFormat::Pcx},
      Case{"RIFF\x24\x00\x00\x00WEBPVP8 "sv, std::nullopt},
      Case{"P6\n1 1\n255\n"sv, std::nullopt},
      Case{"This is text"sv, std::nullopt},
      Case{""sv, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size());
    EXPECT_EQ(DetectPictureFormat(bytes), c.format) << "bytes " << testing::PrintToString(c.bytes);
  }
}

}  // namespace
