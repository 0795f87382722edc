#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/community_link.h"
#include "app/main_window_layout.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/qt_access.h"

namespace {

namespace kind = platform::kind;
using Names = std::vector<std::string>;

int g_argc = 1;
char g_programName[] = "app_tests";
char* g_argv[] = {g_programName, nullptr};

struct Expected {
  const char* name;
  const char* kind;
  const char* parent;  // empty: the window
  int left, top, width, height;
  std::string text;  // caption, or an edit box's initial text
  bool visible = true;
};

const std::string kLinkCaption = "开发交流群:" + std::string(app::kCommunityGroupNumber);

// Every control of the main window as the layout tables give it.
const std::vector<Expected> kControls{
    {"外形框_幕布", kind::kShapeBox, "", 5, 5, 424, 385, ""},
    {"分组框6", kind::kGroupBox, "", 5, 399, 424, 128, "效果演示: 超级按钮,图形按钮 "},
    {"分组框1", kind::kGroupBox, "", 437, 5, 288, 80, "统一设置"},
    {"分组框2", kind::kGroupBox, "", 437, 91, 288, 96, "普通图片"},
    {"分组框3", kind::kGroupBox, "", 437, 193, 288, 96, "点燃图片"},
    {"分组框4", kind::kGroupBox, "", 437, 295, 288, 96, "按下图片"},
    {"分组框5", kind::kGroupBox, "", 437, 399, 288, 128, "图标素材(可拖动素材直接导入)"},
    {"外形框_状态条", kind::kShapeBox, "", 0, 528, 792, 25, ""},

    {"画板_普通", kind::kCanvas, "外形框_幕布", 112, 19, 200, 100, ""},
    {"画板_点燃", kind::kCanvas, "外形框_幕布", 112, 139, 200, 100, ""},
    {"画板_按下", kind::kCanvas, "外形框_幕布", 112, 260, 200, 100, ""},

    {"超级按钮_演示", kind::kSuperButton, "分组框6", 8, 18, 200, 100, "删除"},
    {"图形按钮_演示", kind::kPictureButton, "分组框6", 214, 18, 200, 100, ""},

    {"透明标签1", kind::kLabel, "分组框1", 8, 16, 48, 24, "幕布颜色"},
    {"颜色选择器_统一_幕布", kind::kColourPicker, "分组框1", 66, 16, 80, 24, ""},
    {"透明标签2", kind::kLabel, "分组框1", 8, 40, 48, 24, "图层颜色"},
    {"颜色选择器_统一_图层", kind::kColourPicker, "分组框1", 66, 40, 80, 24, ""},
    {"选择框_导出后打开所在目录", kind::kCheckBox, "分组框1", 152, 14, 131, 27,
     "导出后打开所在目录"},
    {"透明标签11", kind::kLabel, "分组框1", 152, 40, 48, 24, "图层宽高"},
    {"编辑框_统一_图层宽", kind::kEditBox, "分组框1", 207, 40, 32, 24, "200"},
    {"编辑框_统一_图层高", kind::kEditBox, "分组框1", 246, 40, 32, 24, "100"},

    {"透明标签9", kind::kLabel, "分组框2", 8, 24, 48, 24, "图层颜色"},
    {"颜色选择器_普通图片", kind::kColourPicker, "分组框2", 66, 24, 80, 24, ""},
    {"选择框_普通图片_继承统一设置", kind::kCheckBox, "分组框2", 152, 24, 96, 24, "继承统一设置"},
    {"透明标签8", kind::kLabel, "分组框2", 8, 56, 48, 24, "透明度"},
    {"编辑框_普通图片_透明度", kind::kEditBox, "分组框2", 66, 56, 32, 24, "255"},
    {"透明标签5", kind::kLabel, "分组框2", 104, 56, 139, 24, "范围 0 - 255,越小越透明"},

    {"透明标签13", kind::kLabel, "分组框3", 8, 24, 48, 24, "图层颜色"},
    {"颜色选择器_点燃图片", kind::kColourPicker, "分组框3", 66, 24, 80, 24, ""},
    {"选择框_点燃图片_继承统一设置", kind::kCheckBox, "分组框3", 152, 24, 96, 24, "继承统一设置"},
    {"透明标签12", kind::kLabel, "分组框3", 8, 56, 48, 24, "透明度"},
    {"编辑框_点燃图片_透明度", kind::kEditBox, "分组框3", 66, 56, 32, 24, "160"},

    {"透明标签15", kind::kLabel, "分组框4", 8, 24, 48, 24, "图层颜色"},
    {"颜色选择器_按下图片", kind::kColourPicker, "分组框4", 66, 24, 80, 24, ""},
    {"选择框_按下图片_继承统一设置", kind::kCheckBox, "分组框4", 152, 24, 96, 24, "继承统一设置"},
    {"透明标签14", kind::kLabel, "分组框4", 8, 56, 48, 24, "透明度"},
    {"编辑框_按下图片_透明度", kind::kEditBox, "分组框4", 66, 56, 32, 24, "110"},

    {"图形按钮_左对齐", kind::kPictureButton, "分组框5", 8, 24, 24, 24, ""},
    {"图形按钮_右对齐", kind::kPictureButton, "分组框5", 44, 24, 24, 24, ""},
    {"图形按钮_上对齐", kind::kPictureButton, "分组框5", 80, 24, 24, 24, ""},
    {"图形按钮_下对齐", kind::kPictureButton, "分组框5", 116, 24, 24, 24, ""},
    {"图形按钮_水平居中", kind::kPictureButton, "分组框5", 152, 24, 24, 24, ""},
    {"图形按钮_垂直居中", kind::kPictureButton, "分组框5", 188, 24, 24, 24, ""},
    {"图形按钮_双向居中", kind::kPictureButton, "分组框5", 224, 24, 24, 24, ""},
    {"通用对话框1", kind::kCommonDialog, "分组框5", 250, 24, 26, 26, "", false},
    {"透明标签3", kind::kLabel, "分组框5", 10, 56, 25, 24, "宽高"},
    {"编辑框_素材_宽", kind::kEditBox, "分组框5", 40, 56, 32, 24, "200"},
    {"编辑框_素材_高", kind::kEditBox, "分组框5", 71, 56, 32, 24, "100"},
    {"透明标签6", kind::kLabel, "分组框5", 110, 56, 15, 24, "XY"},
    {"编辑框_素材_x", kind::kEditBox, "分组框5", 129, 56, 32, 24, "200"},
    {"编辑框_素材_y", kind::kEditBox, "分组框5", 160, 56, 32, 24, "100"},
    {"选择框_锁定宽高XY", kind::kCheckBox, "分组框5", 198, 56, 80, 24, "锁定宽高XY"},
    {"按钮_素材_导入", kind::kButton, "分组框5", 8, 88, 90, 32, "导入素材"},
    {"按钮_素材_删除", kind::kButton, "分组框5", 100, 88, 90, 32, "删除素材"},
    {"按钮_素材_导出", kind::kButton, "分组框5", 192, 88, 90, 32, "导出3种图片"},

    {"透明标签4", kind::kLabel, "外形框_状态条", 6, 3, 32, 20, "版本:"},
    {"透明标签_版本", kind::kLabel, "外形框_状态条", 38, 3, 42, 20, "022601"},
    {"超级按钮_加QQ群", kind::kSuperButton, "外形框_状态条", 86, 3, 154, 20, kLinkCaption},
    {"超文本浏览框1", kind::kBrowserBox, "外形框_状态条", 264, 8, 10, 10, "", false},
    // Ours: says which exported files could not be written.
    {"透明标签_导出结果", kind::kLabel, "外形框_状态条", 280, 3, 450, 20, ""},
};

std::string Joined(const Names& names) {
  std::string joined;
  for (const std::string& name : names) joined += name + " ";
  return joined;
}

class MainWindowLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { window_ = application_.LoadWindow(app::MainWindowLayout(), {}); }

  platform::Application application_{g_argc, g_argv};
  std::unique_ptr<platform::Window> window_;
};

TEST_F(MainWindowLayoutTest, EveryControlStandsAtItsPlaceWithItsInitialState) {
  // Every control, and no other.
  Names described, expected, extra, missing;
  for (const platform::ControlLayout& control : app::MainWindowLayout().controls) {
    described.push_back(control.name);
  }
  for (const Expected& c : kControls) expected.push_back(c.name);
  std::sort(described.begin(), described.end());
  std::sort(expected.begin(), expected.end());
  std::set_difference(described.begin(), described.end(), expected.begin(), expected.end(),
                      std::back_inserter(extra));
  std::set_difference(expected.begin(), expected.end(), described.begin(), described.end(),
                      std::back_inserter(missing));
  EXPECT_EQ(Joined(extra), "") << "controls the tables do not have";
  EXPECT_EQ(Joined(missing), "") << "controls of the tables left out";
  QWidget* top = platform::TopLevelOf(*window_);
  EXPECT_EQ(top->windowTitle().toStdString(), "Brelvane");
  EXPECT_EQ(top->geometry(), QRect(50, 50, 739, 582));

  for (const Expected& c : kControls) {
    SCOPED_TRACE(c.name);
    const Names ofKind = window_->FindControlsOfKind(c.kind);
    EXPECT_NE(std::find(ofKind.begin(), ofKind.end(), c.name), ofKind.end()) << "kind";
    EXPECT_EQ(QRect(window_->Left(c.name), window_->Top(c.name), window_->Width(c.name),
                    window_->Height(c.name)),
              QRect(c.left, c.top, c.width, c.height));
    EXPECT_EQ(window_->Text(c.name), c.text);
    EXPECT_EQ(window_->Visible(c.name), c.visible);
    if (QWidget* widget = platform::WidgetOf(*window_, c.name)) {
      EXPECT_EQ(widget->parentWidget()->objectName().toStdString(),
                *c.parent ? c.parent : app::kMainWindow);
    }
    if (std::string(c.kind) == kind::kCheckBox) {
      EXPECT_TRUE(window_->Ticked(c.name));
    }
  }
  EXPECT_EQ(window_->Tooltip("超级按钮_加QQ群"),
            "群号: " + std::string(app::kCommunityGroupNumber));
}

TEST_F(MainWindowLayoutTest, CheckBoxesAndEditBoxesComeInTheSettingsFilesOrder) {
  EXPECT_EQ(window_->FindControlsOfKind(kind::kCheckBox),
            (Names{"选择框_锁定宽高XY", "选择框_导出后打开所在目录", "选择框_按下图片_继承统一设置",
                   "选择框_点燃图片_继承统一设置", "选择框_普通图片_继承统一设置"}));
  EXPECT_EQ(window_->FindControlsOfKind(kind::kEditBox),
            (Names{"编辑框_统一_图层高", "编辑框_统一_图层宽", "编辑框_素材_高", "编辑框_素材_宽",
                   "编辑框_素材_x", "编辑框_素材_y", "编辑框_按下图片_透明度",
                   "编辑框_点燃图片_透明度", "编辑框_普通图片_透明度"}));
}

TEST_F(MainWindowLayoutTest, EditBoxesTakeDigitsAndMinusAndOnlyTheNormalOpacityAPoint) {
  for (const std::string& box : window_->FindControlsOfKind(kind::kEditBox)) {
    const bool takesPoint = box == "编辑框_普通图片_透明度";
    window_->SetText(box, "");
    QTest::keyClicks(platform::WidgetOf(*window_, box), "a-7.x9");
    EXPECT_EQ(window_->Text(box), takesPoint ? "-7.9" : "-79") << box;
  }
}

TEST_F(MainWindowLayoutTest, ButtonsCarryTheirArtwork) {
  using platform::PictureSlot;
  for (const char* button :
       {"图形按钮_左对齐", "图形按钮_右对齐", "图形按钮_上对齐", "图形按钮_下对齐",
        "图形按钮_水平居中", "图形按钮_垂直居中", "图形按钮_双向居中"}) {
    for (PictureSlot slot : {PictureSlot::Normal, PictureSlot::Lit, PictureSlot::Pressed}) {
      EXPECT_FALSE(window_->Picture(button, slot).empty())
          << button << " slot " << static_cast<int>(slot);
    }
  }
  EXPECT_FALSE(window_->Picture("超级按钮_加QQ群", PictureSlot::Normal).empty());
  EXPECT_FALSE(platform::TopLevelOf(*window_)->windowIcon().isNull());
}

TEST_F(MainWindowLayoutTest, TabMovesThroughTheControlsInReadingOrder) {
  QWidget* top = platform::TopLevelOf(*window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  Names visited;
  for (int step = 0; step < 22; ++step) {
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, (Names{"颜色选择器_统一_幕布",
                            "选择框_导出后打开所在目录",
                            "颜色选择器_统一_图层",
                            "编辑框_统一_图层宽",
                            "编辑框_统一_图层高",
                            "颜色选择器_普通图片",
                            "选择框_普通图片_继承统一设置",
                            "编辑框_普通图片_透明度",
                            "颜色选择器_点燃图片",
                            "选择框_点燃图片_继承统一设置",
                            "编辑框_点燃图片_透明度",
                            "颜色选择器_按下图片",
                            "选择框_按下图片_继承统一设置",
                            "编辑框_按下图片_透明度",
                            "编辑框_素材_宽",
                            "编辑框_素材_高",
                            "编辑框_素材_x",
                            "编辑框_素材_y",
                            "选择框_锁定宽高XY",
                            "按钮_素材_导入",
                            "按钮_素材_删除",
                            "按钮_素材_导出"}));
}

}  // namespace
