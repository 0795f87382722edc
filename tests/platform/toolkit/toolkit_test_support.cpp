#include "tests/platform/toolkit/toolkit_test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "platform/toolkit/qt_access.h"

namespace toolkittest {
namespace {

int g_argc = 1;
char g_programName[] = "platform_toolkit_tests";
char* g_argv[] = {g_programName, nullptr};

platform::ControlLayout Control(const char* name, const char* kind, const char* parent, QRect place,
                                std::string caption = {}) {
  platform::ControlLayout control;
  control.name = name;
  control.kind = kind;
  control.parent = parent;
  control.left = place.x();
  control.top = place.y();
  control.width = place.width();
  control.height = place.height();
  control.caption = std::move(caption);
  return control;
}

}  // namespace

platform::WindowLayout SampleWindowLayout() {
  namespace kind = platform::kind;
  platform::WindowLayout layout;
  layout.name = kWindow;
  layout.caption = "样例";
  layout.left = 50;
  layout.top = 50;
  layout.clientWidth = 320;
  layout.clientHeight = 260;

  auto& controls = layout.controls;
  controls.push_back(Control(kShape, kind::kShapeBox, "", {0, 0, 320, 120}));
  controls.back().colour = kShapeFill;
  controls.push_back(Control(kCanvas, kind::kCanvas, kShape, {10, 10, 40, 20}));
  controls.push_back(Control(kOtherCanvas, kind::kCanvas, kShape, {60, 10, 40, 20}));
  controls.push_back(Control(kGroup, kind::kGroupBox, "", {0, 120, 320, 140}, "组"));
  controls.push_back(Control(kDigits, kind::kEditBox, kGroup, {10, 20, 40, 24}, "1"));
  controls.back().filter = platform::InputFilter::DigitsAndMinus;
  controls.push_back(Control(kCheck, kind::kCheckBox, kGroup, {60, 20, 80, 24}, "勾选"));
  controls.back().ticked = true;
  controls.push_back(Control(kDecimal, kind::kEditBox, kGroup, {150, 20, 40, 24}, "2"));
  controls.back().filter = platform::InputFilter::DigitsMinusAndPoint;
  controls.push_back(Control(kAnyText, kind::kEditBox, kGroup, {200, 20, 40, 24}, "3"));
  controls.push_back(Control(kPicker, kind::kColourPicker, kGroup, {10, 50, 80, 24}));
  controls.push_back(Control(kPictureButton, kind::kPictureButton, kGroup, {100, 50, 30, 20}));
  controls.push_back(Control(kSuperButton, kind::kSuperButton, kGroup, {140, 50, 60, 20}, "超"));
  controls.back().tooltip = "提示";
  controls.push_back(Control(kButton, kind::kButton, kGroup, {10, 80, 60, 30}, "按"));
  controls.push_back(Control(kLabel, kind::kLabel, kGroup, {80, 80, 60, 24}, "字"));
  controls.push_back(Control(kDialog, kind::kCommonDialog, kGroup, {150, 80, 26, 26}));
  controls.push_back(Control(kBrowser, kind::kBrowserBox, "", {300, 0, 10, 10}));
  controls.back().visible = false;
  return layout;
}

platform::Bytes MakePng(int width, int height, QColor fill, QRect clear) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(fill);
  if (!clear.isEmpty()) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(clear, Qt::transparent);
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return platform::Bytes(data.begin(), data.end());
}

void Type(QWidget* widget, const QString& text) {
  for (QChar character : text) {
    const int key = character == '\b' ? Qt::Key_Backspace : 0;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

ToolkitTest::ToolkitTest() : application_(g_argc, g_argv) {}

ToolkitTest::~ToolkitTest() { window_.reset(); }

void ToolkitTest::Load(const std::function<void(platform::Window&)>& wire) {
  window_ = application_.LoadWindow(SampleWindowLayout(), wire);
}

QWidget* ToolkitTest::Widget(std::string_view name) const {
  return platform::WidgetOf(*window_, name);
}

QWidget* ToolkitTest::TopLevel() const { return platform::TopLevelOf(*window_); }

}  // namespace toolkittest
