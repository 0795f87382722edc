#include "platform/gdiplus/png_chunks.h"

#include <cstring>

namespace platform::gdiplus {
namespace {

constexpr std::size_t kSignatureBytes = 8;
// Length, type and checksum around each chunk's data.
constexpr std::size_t kChunkFrameBytes = 12;
constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* at) {
  return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
         at[3];
}

}  // namespace

bool PngChunksFit(std::span<const std::uint8_t> png) {
  std::size_t at = kSignatureBytes;
  while (at + 8 <= png.size()) {
    const std::uint32_t length = BigEndian32(png.data() + at);
    if (length > kLargestChunk || length + kChunkFrameBytes > png.size() - at) return false;
    if (std::memcmp(png.data() + at + 4, "IEND", 4) == 0) return true;
    at += length + kChunkFrameBytes;
  }
  return true;
}

}  // namespace platform::gdiplus
