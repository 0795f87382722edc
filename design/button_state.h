#pragma once

// The three pictures of a button and the controls that belong to each. Everything that is
// done per state is one procedure over this table.

#include <array>

#include "platform/toolkit/window.h"

namespace design {

enum class ButtonState { Normal, Lit, Pressed };

struct ButtonStateControls {
  ButtonState state;
  const char* canvas;          // size source and preview
  const char* opacityBox;      // edit box
  const char* colourPicker;    // the state's layer colour
  const char* inheritBox;      // check box "继承统一设置"
  const char* exportSuffix;    // file-name suffix of the export
  // Where the demonstration buttons show the state's picture; the super button has no
  // pressed picture, so it shows the Pressed picture as its disabled one.
  platform::PictureSlot superButtonSlot;
  platform::PictureSlot pictureButtonSlot;
};

inline constexpr std::array<ButtonStateControls, 3> kButtonStates{{
    {ButtonState::Normal, "画板_普通", "编辑框_普通图片_透明度", "颜色选择器_普通图片",
     "选择框_普通图片_继承统一设置", "_普通.", platform::PictureSlot::Normal,
     platform::PictureSlot::Normal},
    {ButtonState::Lit, "画板_点燃", "编辑框_点燃图片_透明度", "颜色选择器_点燃图片",
     "选择框_点燃图片_继承统一设置", "_点燃.", platform::PictureSlot::Lit,
     platform::PictureSlot::Lit},
    {ButtonState::Pressed, "画板_按下", "编辑框_按下图片_透明度", "颜色选择器_按下图片",
     "选择框_按下图片_继承统一设置", "_按下.", platform::PictureSlot::Disabled,
     platform::PictureSlot::Pressed},
}};

inline const ButtonStateControls& ControlsOf(ButtonState state) {
  return kButtonStates[static_cast<int>(state)];
}

// Controls shared by the states.
inline constexpr const char* kBackdrop = "外形框_幕布";
inline constexpr const char* kDemoGroup = "分组框6";
inline constexpr const char* kDemoSuperButton = "超级按钮_演示";
inline constexpr const char* kDemoPictureButton = "图形按钮_演示";
inline constexpr const char* kBackdropColourPicker = "颜色选择器_统一_幕布";
inline constexpr const char* kUnifiedLayerColourPicker = "颜色选择器_统一_图层";
inline constexpr const char* kLayerWidthBox = "编辑框_统一_图层宽";
inline constexpr const char* kLayerHeightBox = "编辑框_统一_图层高";
inline constexpr const char* kNormalCanvas = "画板_普通";

// The five controls that take the layer size, in the order they are resized.
inline constexpr std::array<const char*, 5> kLayerSizedControls{
    "画板_普通", "画板_点燃", "画板_按下", "超级按钮_演示", "图形按钮_演示"};

}  // namespace design
