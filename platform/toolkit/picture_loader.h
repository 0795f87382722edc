#pragma once

// Bookkeeping of the toolkit's picture loading (LoadPicture, PictureWidth and PictureHeight in
// window.h). Pictures are held to the limits of platform/pictures/picture_limits.h, like the
// imaging layer's, so a material is measured only when it can also be drawn.

#include <cstdint>

namespace platform {

// Only the sizes of the most recent pictures are kept, so that any number of loads uses the
// same small table; an older picture number measures 0 x 0, like an unknown one.
constexpr int kRememberedPictures = 256;

// How many pictures the toolkit holds a size for at the moment.
int RememberedPictureCount();

}  // namespace platform
