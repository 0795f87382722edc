#pragma once

// The four material edit boxes (width, height, x, y) and the Normal canvas's drag.

#include <array>
#include <cstdint>

#include "design/design_state.h"
#include "platform/toolkit/window.h"

namespace design {

struct MaterialBox {
  const char* box;
  std::int32_t MaterialRect::*field;
  // The pair updated together when the box loses the focus, in the order they are read.
  const char* firstBox;
  std::int32_t MaterialRect::*firstField;
  const char* secondBox;
  std::int32_t MaterialRect::*secondField;
};

inline constexpr const char* kMaterialWidthBox = "编辑框_素材_宽";
inline constexpr const char* kMaterialHeightBox = "编辑框_素材_高";
inline constexpr const char* kMaterialXBox = "编辑框_素材_x";
inline constexpr const char* kMaterialYBox = "编辑框_素材_y";

inline constexpr std::array<MaterialBox, 4> kMaterialBoxes{{
    {kMaterialWidthBox, &MaterialRect::width, kMaterialWidthBox, &MaterialRect::width,
     kMaterialHeightBox, &MaterialRect::height},
    {kMaterialHeightBox, &MaterialRect::height, kMaterialWidthBox, &MaterialRect::width,
     kMaterialHeightBox, &MaterialRect::height},
    {kMaterialXBox, &MaterialRect::x, kMaterialXBox, &MaterialRect::x, kMaterialYBox,
     &MaterialRect::y},
    {kMaterialYBox, &MaterialRect::y, kMaterialXBox, &MaterialRect::x, kMaterialYBox,
     &MaterialRect::y},
}};

void OnMaterialBoxGotFocus(platform::Window& window, const MaterialBox& box);
void OnMaterialBoxLostFocus(platform::Window& window, const MaterialBox& box);
void OnNormalCanvasLeftButtonDown(platform::Window& window);

// Repaints the Normal canvas over the material's current rectangle.
void ClearMaterialArea(platform::Window& window);

}  // namespace design
