#include "platform/pictures/header_claims.h"

#include <cstring>

#include "platform/pictures/picture_limits.h"

namespace platform::pictures {
namespace {

using ByteSpan = std::span<const std::uint8_t>;

std::uint32_t BigEndian32(const std::uint8_t* at) {
  return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
         at[3];
}

int LittleEndian16(const std::uint8_t* at) { return at[0] | at[1] << 8; }

// Every chunk up to the end chunk (or the end of the bytes) fits in the bytes.
bool PngChunksFit(ByteSpan png) {
  constexpr std::size_t kSignatureBytes = 8;
  // Length, type and checksum around each chunk's data.
  constexpr std::size_t kChunkFrameBytes = 12;
  constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;
  std::size_t at = kSignatureBytes;
  while (at + 8 <= png.size()) {
    const std::uint32_t length = BigEndian32(png.data() + at);
    if (length > kLargestChunk || length + kChunkFrameBytes > png.size() - at) return false;
    if (std::memcmp(png.data() + at + 4, "IEND", 4) == 0) return true;
    at += length + kChunkFrameBytes;
  }
  return true;
}

// The logical screen follows the six-byte signature.
bool GifScreenFits(ByteSpan gif) {
  constexpr std::size_t kScreenAt = 6;
  if (gif.size() < kScreenAt + 4) return false;
  return PictureFitsLimits(LittleEndian16(gif.data() + kScreenAt),
                           LittleEndian16(gif.data() + kScreenAt + 2));
}

}  // namespace

bool HeaderClaimsFit(std::span<const std::uint8_t> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::Png:
      return PngChunksFit(bytes);
    case PictureFormat::Gif:
      return GifScreenFits(bytes);
    default:
      return true;
  }
}

}  // namespace platform::pictures
