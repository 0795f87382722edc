#include "app/main_window_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/community_link.h"
#include "app/status_strip.h"
#include "design/button_state.h"
#include "design/export.h"
#include "design/material_geometry.h"
#include "design/material_import.h"

namespace app {
namespace {

using platform::ControlLayout;
using platform::InputFilter;
using platform::WindowLayout;
namespace kind = platform::kind;

// Colours of the window's initial state (0x00BBGGRR); the settings file replaces them once the
// window is created.
constexpr std::uint32_t kInitialBackdrop = 0x000000;
constexpr std::uint32_t kInitialLayerColour = 0xECECEC;

struct Place {
  int left;
  int top;
  int width;
  int height;
};

ControlLayout& Add(WindowLayout& window, const char* name, const char* kind, const char* parent,
                   Place place, std::string caption = {}) {
  ControlLayout control;
  control.name = name;
  control.kind = kind;
  control.parent = parent;
  control.left = place.left;
  control.top = place.top;
  control.width = place.width;
  control.height = place.height;
  control.caption = std::move(caption);
  window.controls.push_back(std::move(control));
  return window.controls.back();
}

ControlLayout& AddEditBox(WindowLayout& window, const char* name, const char* parent, Place place,
                          const char* text, InputFilter filter = InputFilter::DigitsAndMinus) {
  ControlLayout& box = Add(window, name, kind::kEditBox, parent, place, text);
  box.filter = filter;
  return box;
}

ControlLayout& AddCheckBox(WindowLayout& window, const char* name, const char* parent, Place place,
                           const char* caption) {
  ControlLayout& box = Add(window, name, kind::kCheckBox, parent, place, caption);
  box.ticked = true;
  return box;
}

ControlLayout& AddColourPicker(WindowLayout& window, const char* name, const char* parent,
                               Place place, std::uint32_t colour) {
  ControlLayout& picker = Add(window, name, kind::kColourPicker, parent, place);
  picker.colour = colour;
  return picker;
}

constexpr const char* kUnifiedGroup = "分组框1";
constexpr const char* kMaterialGroup = "分组框5";

void AddContainers(WindowLayout& window) {
  Add(window, design::kBackdrop, kind::kShapeBox, "", {5, 5, 424, 385}).colour = kInitialBackdrop;
  Add(window, design::kDemoGroup, kind::kGroupBox, "", {5, 399, 424, 128},
      "效果演示: 超级按钮,图形按钮 ")
      .colour = kInitialBackdrop;
  Add(window, kUnifiedGroup, kind::kGroupBox, "", {437, 5, 288, 80}, "统一设置");
  Add(window, "分组框2", kind::kGroupBox, "", {437, 91, 288, 96}, "普通图片");
  Add(window, "分组框3", kind::kGroupBox, "", {437, 193, 288, 96}, "点燃图片");
  Add(window, "分组框4", kind::kGroupBox, "", {437, 295, 288, 96}, "按下图片");
  Add(window, kMaterialGroup, kind::kGroupBox, "", {437, 399, 288, 128},
      "图标素材(可拖动素材直接导入)");
  Add(window, kStatusStrip, kind::kShapeBox, "", {0, 528, 792, 25});
}

void AddPreviews(WindowLayout& window) {
  const std::array<int, 3> canvasTops{19, 139, 260};
  for (const design::ButtonStateControls& state : design::kButtonStates) {
    const int top = canvasTops[static_cast<int>(state.state)];
    Add(window, state.canvas, kind::kCanvas, design::kBackdrop, {112, top, 200, 100});
  }
  Add(window, design::kDemoSuperButton, kind::kSuperButton, design::kDemoGroup, {8, 18, 200, 100},
      "删除");
  Add(window, design::kDemoPictureButton, kind::kPictureButton, design::kDemoGroup,
      {214, 18, 200, 100});
}

void AddUnifiedSettings(WindowLayout& window) {
  Add(window, "透明标签1", kind::kLabel, kUnifiedGroup, {8, 16, 48, 24}, "幕布颜色");
  AddColourPicker(window, design::kBackdropColourPicker, kUnifiedGroup, {66, 16, 80, 24},
                  kInitialBackdrop);
  Add(window, "透明标签2", kind::kLabel, kUnifiedGroup, {8, 40, 48, 24}, "图层颜色");
  AddColourPicker(window, design::kUnifiedLayerColourPicker, kUnifiedGroup, {66, 40, 80, 24},
                  kInitialLayerColour);
  AddCheckBox(window, design::kOpenAfterExportBox, kUnifiedGroup, {152, 14, 131, 27},
              "导出后打开所在目录");
  Add(window, "透明标签11", kind::kLabel, kUnifiedGroup, {152, 40, 48, 24}, "图层宽高");
  AddEditBox(window, design::kLayerHeightBox, kUnifiedGroup, {246, 40, 32, 24}, "100");
  AddEditBox(window, design::kLayerWidthBox, kUnifiedGroup, {207, 40, 32, 24}, "200");
}

// One row per state group; the three groups share their layout.
struct StateGroup {
  design::ButtonState state;
  const char* group;
  const char* colourLabel;
  const char* opacityLabel;
  const char* initialOpacity;
  InputFilter opacityFilter;
  const char* rangeLabel;  // only the Normal group explains the range
};

constexpr std::array<StateGroup, 3> kStateGroups{{
    {design::ButtonState::Normal, "分组框2", "透明标签9", "透明标签8", "255",
     InputFilter::DigitsMinusAndPoint, "透明标签5"},
    {design::ButtonState::Lit, "分组框3", "透明标签13", "透明标签12", "160",
     InputFilter::DigitsAndMinus, nullptr},
    {design::ButtonState::Pressed, "分组框4", "透明标签15", "透明标签14", "110",
     InputFilter::DigitsAndMinus, nullptr},
}};

void AddStateGroup(WindowLayout& window, const StateGroup& row) {
  const design::ButtonStateControls& state = design::ControlsOf(row.state);
  Add(window, row.colourLabel, kind::kLabel, row.group, {8, 24, 48, 24}, "图层颜色");
  AddColourPicker(window, state.colourPicker, row.group, {66, 24, 80, 24}, kInitialLayerColour);
  AddCheckBox(window, state.inheritBox, row.group, {152, 24, 96, 24}, "继承统一设置");
  Add(window, row.opacityLabel, kind::kLabel, row.group, {8, 56, 48, 24}, "透明度");
  AddEditBox(window, state.opacityBox, row.group, {66, 56, 32, 24}, row.initialOpacity,
             row.opacityFilter);
  if (row.rangeLabel) {
    Add(window, row.rangeLabel, kind::kLabel, row.group, {104, 56, 139, 24},
        "范围 0 - 255,越小越透明");
  }
}

struct AlignmentButton {
  const char* name;
  const char* artwork;  // picture files under :/align/
};

constexpr std::array<AlignmentButton, 7> kAlignmentButtons{{
    {"图形按钮_左对齐", "left"},
    {"图形按钮_右对齐", "right"},
    {"图形按钮_上对齐", "top"},
    {"图形按钮_下对齐", "bottom"},
    {"图形按钮_水平居中", "centre-horizontal"},
    {"图形按钮_垂直居中", "centre-vertical"},
    {"图形按钮_双向居中", "centre-both"},
}};

void AddAlignmentButtons(WindowLayout& window) {
  int left = 8;
  for (const AlignmentButton& button : kAlignmentButtons) {
    ControlLayout& control =
        Add(window, button.name, kind::kPictureButton, kMaterialGroup, {left, 24, 24, 24});
    const std::string stem = std::string(":/align/") + button.artwork;
    control.normalPicture = stem + ".png";
    control.litPicture = stem + "-lit.png";
    control.pressedPicture = stem + "-pressed.png";
    left += 36;
  }
}

void AddMaterialControls(WindowLayout& window) {
  AddAlignmentButtons(window);
  Add(window, design::kMaterialDialog, kind::kCommonDialog, kMaterialGroup, {250, 24, 26, 26})
      .visible = false;
  Add(window, "透明标签3", kind::kLabel, kMaterialGroup, {10, 56, 25, 24}, "宽高");
  AddEditBox(window, design::kMaterialHeightBox, kMaterialGroup, {71, 56, 32, 24}, "100");
  AddEditBox(window, design::kMaterialWidthBox, kMaterialGroup, {40, 56, 32, 24}, "200");
  Add(window, "透明标签6", kind::kLabel, kMaterialGroup, {110, 56, 15, 24}, "XY");
  AddEditBox(window, design::kMaterialXBox, kMaterialGroup, {129, 56, 32, 24}, "200");
  AddEditBox(window, design::kMaterialYBox, kMaterialGroup, {160, 56, 32, 24}, "100");
  Add(window, design::kImportButton, kind::kButton, kMaterialGroup, {8, 88, 90, 32}, "导入素材");
  Add(window, design::kDeleteButton, kind::kButton, kMaterialGroup, {100, 88, 90, 32}, "删除素材");
  Add(window, design::kExportButton, kind::kButton, kMaterialGroup, {192, 88, 90, 32},
      "导出3种图片");
}

void AddStatusStrip(WindowLayout& window) {
  Add(window, kVersionCaptionLabel, kind::kLabel, kStatusStrip, {6, 3, 32, 20}, "版本:");
  Add(window, kVersionLabel, kind::kLabel, kStatusStrip, {38, 3, 42, 20}, kInitialVersionText);
  ControlLayout& link = Add(window, kCommunityLinkButton, kind::kSuperButton, kStatusStrip,
                            {86, 3, 154, 20}, "开发交流群:" + std::string(kCommunityGroupNumber));
  link.tooltip = "群号: " + std::string(kCommunityGroupNumber);
  link.normalPicture = ":/community/group.png";
  link.litPicture = ":/community/group-lit.png";
  Add(window, kCommunityBrowser, kind::kBrowserBox, kStatusStrip, {264, 8, 10, 10}).visible = false;
  // Says which exported files could not be written; empty while every export succeeds.
  Add(window, design::kExportResultLabel, kind::kLabel, kStatusStrip, {280, 3, 450, 20});
}

// Tab follows the reading order: group by group, each row from left to right.
std::vector<std::string> TabOrder() {
  std::vector<std::string> order{design::kBackdropColourPicker, design::kOpenAfterExportBox,
                                 design::kUnifiedLayerColourPicker, design::kLayerWidthBox,
                                 design::kLayerHeightBox};
  for (const design::ButtonStateControls& state : design::kButtonStates) {
    order.insert(order.end(), {state.colourPicker, state.inheritBox, state.opacityBox});
  }
  order.insert(order.end(), {design::kMaterialWidthBox, design::kMaterialHeightBox,
                             design::kMaterialXBox, design::kMaterialYBox, design::kLockBox,
                             design::kImportButton, design::kDeleteButton, design::kExportButton});
  return order;
}

}  // namespace

WindowLayout MainWindowLayout() {
  WindowLayout window;
  window.name = kMainWindow;
  window.caption = "Brelvane";
  window.left = 50;
  window.top = 50;
  window.clientWidth = 739;
  window.clientHeight = 582;
  window.icon = ":/brelvane.png";

  // The order below is the window's control order. The settings file keeps check boxes and
  // edit boxes in it, so it is kept as it was: the lock box comes before the unified
  // settings, the unified edit boxes before the material ones, and the state groups run from
  // Pressed back to Normal.
  AddContainers(window);
  AddPreviews(window);
  AddCheckBox(window, design::kLockBox, kMaterialGroup, {198, 56, 80, 24}, "锁定宽高XY");
  AddUnifiedSettings(window);
  AddMaterialControls(window);
  for (auto row = kStateGroups.rbegin(); row != kStateGroups.rend(); ++row) {
    AddStateGroup(window, *row);
  }
  AddStatusStrip(window);
  window.tabOrder = TabOrder();
  return window;
}

}  // namespace app
