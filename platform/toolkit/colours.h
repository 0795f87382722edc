#pragma once

// Toolkit colours are 0x00BBGGRR; the top byte carries nothing.

#include <QColor>
#include <cstdint>

namespace platform::toolkit {

inline QColor ToQColor(std::uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline std::uint32_t FromQColor(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         static_cast<std::uint32_t>(colour.green()) << 8 |
         static_cast<std::uint32_t>(colour.blue()) << 16;
}

// Text that stays legible on the given background.
inline QColor ContrastingText(const QColor& background) {
  return background.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace platform::toolkit
