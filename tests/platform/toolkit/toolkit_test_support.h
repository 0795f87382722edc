#pragma once

// A small window with one control of every kind, and helpers to drive its widgets.

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/runtime/bytes.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/control_layout.h"
#include "platform/toolkit/window.h"

namespace toolkittest {

// Control names of the sample window.
inline constexpr const char* kWindow = "窗口_样例";
inline constexpr const char* kShape = "外形框_底";
inline constexpr const char* kCanvas = "画板_甲";
inline constexpr const char* kOtherCanvas = "画板_乙";
inline constexpr const char* kGroup = "分组框_组";
inline constexpr const char* kDigits = "编辑框_数";
inline constexpr const char* kDecimal = "编辑框_点";
inline constexpr const char* kAnyText = "编辑框_任意";
inline constexpr const char* kCheck = "选择框_勾";
inline constexpr const char* kPicker = "颜色选择器_色";
inline constexpr const char* kPictureButton = "图形按钮_图";
inline constexpr const char* kSuperButton = "超级按钮_超";
inline constexpr const char* kButton = "按钮_按";
inline constexpr const char* kLabel = "透明标签_字";
inline constexpr const char* kDialog = "通用对话框_开";
inline constexpr const char* kBrowser = "超文本浏览框_链";
inline constexpr std::uint32_t kShapeFill = 0x00FF00;  // green

platform::WindowLayout SampleWindowLayout();

// A PNG of the given size filled with a colour, fully transparent inside `clear`.
platform::Bytes MakePng(int width, int height, QColor fill, QRect clear = {});

// Types the characters one key press at a time ("\b" is Backspace), as a keyboard would;
// works for any character, not only ASCII.
void Type(QWidget* widget, const QString& text);

class ToolkitTest : public ::testing::Test {
 protected:
  ToolkitTest();
  ~ToolkitTest() override;

  void Load(const std::function<void(platform::Window&)>& wire = {});
  QWidget* Widget(std::string_view name) const;
  QWidget* TopLevel() const;

  platform::Application application_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace toolkittest
