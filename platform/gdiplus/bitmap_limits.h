#pragma once

// The largest pictures the layer hands to the imaging library. The library accepts wider
// bitmaps and then crashes on the first fill, so larger ones are refused with OutOfMemory
// before anything is allocated. Decoded pictures are held to the tighter limits of
// platform/pictures/picture_limits.h.

#include <cstdint>

namespace platform::gdiplus {

constexpr std::int64_t kMaxBitmapSide = 32767;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 28;

constexpr bool FitsBitmap(std::int64_t width, std::int64_t height) {
  return width <= kMaxBitmapSide && height <= kMaxBitmapSide && width * height <= kMaxBitmapPixels;
}

}  // namespace platform::gdiplus
