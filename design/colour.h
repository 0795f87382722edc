#pragma once

// The one conversion between colour forms, and the opacity rule.

#include <cstdint>
#include <string_view>

namespace design {

// Joins a toolkit colour (0x00BBGGRR; the top byte is dropped) and an opacity into the
// imaging library's 0xAARRGGBB.
std::uint32_t ComposeArgb(std::uint32_t colour, std::uint8_t alpha);

// The opacity of an opacity box's text: its integer value, low 8 bits.
std::uint8_t OpacityFromText(std::string_view text);

}  // namespace design
