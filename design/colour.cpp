#include "design/colour.h"

#include "platform/runtime/conversions.h"

namespace design {

std::uint32_t ComposeArgb(std::uint32_t colour, std::uint8_t alpha) {
  const std::uint32_t red = colour & 0xFF;
  const std::uint32_t green = (colour >> 8) & 0xFF;
  const std::uint32_t blue = (colour >> 16) & 0xFF;
  return static_cast<std::uint32_t>(alpha) << 24 | red << 16 | green << 8 | blue;
}

std::uint8_t OpacityFromText(std::string_view text) {
  return platform::ToByte(platform::TextToInt(text));
}

}  // namespace design
