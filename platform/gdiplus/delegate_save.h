#pragma once

// Saving through the library's own encoders into the layer's stream. The library saves only
// through callbacks that carry no user data, so one save runs at a time.

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/gdiplus/stream.h"

namespace platform::gdiplus {

// Writes the encoded picture at the stream's position; on failure the stream is untouched.
Status SaveThroughLibrary(Handle image, Stream& stream, const Guid& encoder,
                          const EncoderParameters* parameters);

}  // namespace platform::gdiplus
