#pragma once

// The layer's own PNG encoder, several times faster than the library's: 8-bit RGBA, fastest
// compression and only the Sub filter, which on this program's pictures (flat layers with a
// small picture on top) also gives the smallest files.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/runtime/bytes.h"

namespace platform::gdiplus {

// Pixels in the library's 32-bit ARGB layout: per pixel the bytes B, G, R, A, not
// premultiplied; rows stride bytes apart.
struct ArgbPixels {
  const std::uint8_t* scan0 = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;
};

// A complete PNG file, alpha included; none when the pixels are empty or memory runs out.
std::optional<Bytes> EncodePng(const ArgbPixels& pixels);

}  // namespace platform::gdiplus
