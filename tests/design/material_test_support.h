#pragma once

// What the material tests share: the material rectangle in the order its boxes are read.

#include <array>

#include "design/design_state.h"

namespace design {

// Width, height, x and y: the order the material boxes are read in.
using Geometry = std::array<int, 4>;

inline Geometry Of(const MaterialRect& rect) { return {rect.width, rect.height, rect.x, rect.y}; }

inline constexpr unsigned kRed = 0xFFFF0000;

}  // namespace design
