#pragma once

// Limits and bookkeeping of the toolkit's picture loading (LoadPicture, PictureWidth and
// PictureHeight in window.h).

#include <cstdint>

namespace platform {

// A picture whose header claims more is refused before it is decoded. The imaging layer
// refuses the same pictures, so a material is measured only when it can also be drawn.
constexpr std::int64_t kMaxPictureSide = 32767;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} << 20;

constexpr bool PictureFitsLimits(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// Only the sizes of the most recent pictures are kept, so that any number of loads uses the
// same small table; an older picture number measures 0 x 0, like an unknown one.
constexpr int kRememberedPictures = 256;

// How many pictures the toolkit holds a size for at the moment.
int RememberedPictureCount();

}  // namespace platform
