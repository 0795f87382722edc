#pragma once

// The largest pictures the program decodes. The imaging layer hands every picture to the
// imaging library and the toolkit measures materials with the same rules, so a material is
// measured only when it can also be drawn.

#include <cstdint>

namespace platform::pictures {

constexpr std::int64_t kMaxPictureSide = 32767;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} << 20;

// What an image reader may allocate: enough for the largest picture allowed at 16 bits per
// channel.
constexpr int kReaderAllocationLimitMegabytes = static_cast<int>(kMaxPicturePixels * 8 >> 20);

// A size of 0 passes: it claims nothing, and the decoded picture is checked again.
constexpr bool PictureFitsLimits(std::int64_t width, std::int64_t height) {
  return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace platform::pictures
