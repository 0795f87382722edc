#pragma once

// Decoding of encoded pictures for display. The renderer hands the same bytes to a canvas and
// two buttons in a row, so the last few decoded pictures are kept and each is decoded once.

#include <QImage>

#include "platform/runtime/bytes.h"

namespace platform::toolkit {

// The picture the bytes hold (format detected from the content); a null image for empty or
// undecodable bytes.
QImage DecodePicture(const Bytes& bytes);

// How many times bytes were really decoded; tests use it to see the cache work.
int DecodeCount();

}  // namespace platform::toolkit
