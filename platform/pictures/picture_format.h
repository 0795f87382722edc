#pragma once

// The picture formats that reach the program, recognised from their first bytes (never from a
// file name), and the toolkit image reader that decodes each.

#include <cstdint>
#include <optional>
#include <span>

namespace platform::pictures {

enum class PictureFormat { Png, Jpeg, Gif, Bmp, Icon, Cursor, Tiff, Pcx };

// The format whose signature the bytes begin with; none for anything else, empty bytes
// included.
std::optional<PictureFormat> DetectPictureFormat(std::span<const std::uint8_t> bytes);

// The name of the toolkit's image reader for format; null for PCX, which no reader handles.
const char* ReaderName(PictureFormat format);

}  // namespace platform::pictures
