#pragma once

// A PNG chunk whose length claims more bytes than the file holds makes the PNG reader set
// aside that much memory (gigabytes, for a few hundred bytes of file) before it finds out.
// The layer walks the chunks first and refuses such files.

#include <cstdint>
#include <span>

namespace platform::gdiplus {

// True when every chunk up to the end chunk (or the end of the bytes) fits in the bytes.
bool PngChunksFit(std::span<const std::uint8_t> png);

}  // namespace platform::gdiplus
