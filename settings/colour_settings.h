#pragma once

// The five colours of the colour pickers, kept in the settings file between runs.

#include <array>

#include "platform/toolkit/window.h"

namespace settings {

inline constexpr const char* kColourSection = "颜色选择器";

struct ColourSetting {
  const char* picker;        // also the key
  const char* defaultValue;  // when the key is missing
};

// In the order they are loaded and saved.
inline constexpr std::array<ColourSetting, 5> kColourSettings{{
    {"颜色选择器_统一_幕布", "0"},
    {"颜色选择器_统一_图层", "15527148"},
    {"颜色选择器_普通图片", "15527148"},
    {"颜色选择器_点燃图片", "15527148"},
    {"颜色选择器_按下图片", "15527148"},
}};

void LoadColours(platform::Window& window);
void SaveColours(platform::Window& window);

}  // namespace settings
