#pragma once

// What the layer remembers about each image it decoded: the format the picture came in (the
// library only ever saw pixels) and, for a picture of several frames, its encoded bytes so
// that any frame can be decoded again. Forgotten when the image is disposed of.

#include <memory>
#include <optional>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/gdiplus/picture_decoder.h"
#include "platform/runtime/bytes.h"

namespace platform::gdiplus {

struct DecodedOrigin {
  Guid rawFormat{};
  int frameCount = 1;
  std::shared_ptr<const Bytes> bytes;  // kept only when frameCount > 1
};

void RememberDecoded(Handle image, DecodedOrigin origin);
std::optional<DecodedOrigin> DecodedOriginOf(Handle image);
void ForgetDecoded(Handle image);

// The frames of a decoded image: 1 for images the layer did not decode.
int FrameCountOf(Handle image);
// The frame at index of an image of several frames, decoded again from the kept bytes;
// InvalidParameter for any other image.
DecodedPicture DecodeFrameOf(Handle image, int index);

}  // namespace platform::gdiplus
