#pragma once

// What a picture's bytes claim, checked before any image reader sees them, where the reader
// itself would act on the claim first and check it afterwards:
// - a GIF's logical screen: the reader reports the first frame's size, trimmed, but decodes the
//   whole screen (an 11000 x 11000 screen costs half a gigabyte);
// - a PNG's chunk lengths: the reader sets aside what a chunk claims before it finds that the
//   file ends first (gigabytes, for a few hundred bytes of file).

#include <cstdint>
#include <span>

#include "platform/pictures/picture_format.h"

namespace platform::pictures {

// False when bytes of format claim more than may be decoded; true for formats whose claims
// only their reader can tell.
bool HeaderClaimsFit(std::span<const std::uint8_t> bytes, PictureFormat format);

}  // namespace platform::pictures
