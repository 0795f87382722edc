#pragma once

// Points and rectangles in the imaging library's own layouts, so that one record, or a run of
// them, can be handed to the library unchanged.

#include <cstdint>

#include "platform/gdiplus/gdiplus_types.h"

namespace imaging {

struct PointF {
  float X = 0;
  float Y = 0;
};

struct Point {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct RectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
};

struct Rect {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

static_assert(sizeof(PointF) == 8 && sizeof(Point) == 8);
static_assert(sizeof(RectF) == 16 && sizeof(Rect) == 16);
static_assert(sizeof(Rect) == sizeof(platform::gdiplus::GpRect));

}  // namespace imaging
