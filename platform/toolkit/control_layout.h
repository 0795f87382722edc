#pragma once

// The description of a window and its controls as plain data: the application's layout table
// is written in these terms, and the toolkit builds widgets from it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Kind names as the system knows them; searches by kind use these texts.
namespace kind {
inline constexpr const char* kWindow = "窗口";
inline constexpr const char* kShapeBox = "外形框";
inline constexpr const char* kGroupBox = "分组框";
inline constexpr const char* kCanvas = "画板";
inline constexpr const char* kPictureButton = "图形按钮";
inline constexpr const char* kSuperButton = "超级按钮";
inline constexpr const char* kButton = "按钮";
inline constexpr const char* kEditBox = "编辑框";
inline constexpr const char* kCheckBox = "选择框";
inline constexpr const char* kColourPicker = "颜色选择器";
inline constexpr const char* kLabel = "透明标签";
inline constexpr const char* kCommonDialog = "通用对话框";
inline constexpr const char* kBrowserBox = "超文本浏览框";
}  // namespace kind

// Which typed characters an edit box accepts (control characters always pass).
enum class InputFilter { None, DigitsAndMinus, DigitsMinusAndPoint };

struct ControlLayout {
  std::string name;
  std::string kind;    // one of the kind names above
  std::string parent;  // empty: the window itself
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;  // caption of a button, label, check box, group box; edit-box text
  std::string tooltip;
  bool ticked = false;  // check boxes
  bool visible = true;
  InputFilter filter = InputFilter::None;
  // Resource paths (":/..." in the toolkit's resources) of a picture button's or super
  // button's initial normal, lit and pressed pictures; empty when none.
  std::string normalPicture;
  std::string litPicture;
  std::string pressedPicture;
  // Shape box fill, group box background or colour picker's colour (0x00BBGGRR); none: the
  // toolkit's own.
  std::optional<std::uint32_t> colour;
};

struct WindowLayout {
  std::string name;
  std::string caption;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  // In the window's control order: searches by kind return controls in this order.
  std::vector<ControlLayout> controls;
  // The order in which Tab moves the focus, by control name; the controls left out follow in
  // the order they were created.
  std::vector<std::string> tabOrder;
  std::string icon;  // resource path of the window's icon; empty: none
};

}  // namespace platform
