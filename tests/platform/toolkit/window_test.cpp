#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "tests/platform/toolkit/toolkit_test_support.h"

namespace toolkittest {
namespace {

using platform::ControlEvent;
using Names = std::vector<std::string>;

class WindowTest : public ToolkitTest {};

TEST_F(WindowTest, FindsControlsOfAKindInTheWindowsControlOrder) {
  platform::WindowLayout layout = SampleWindowLayout();
  // Interleave kinds and depths: the order is the list's, not the widget tree's.
  platform::ControlLayout late;
  late.name = "编辑框_最后";
  late.kind = platform::kind::kEditBox;
  layout.controls.push_back(late);
  late.name = "编辑框_早";
  late.parent = kShape;
  layout.controls.insert(layout.controls.begin() + 1, late);
  window_ = application_.LoadWindow(layout, {});

  const std::array<std::pair<const char*, Names>, 4> cases{{
      {platform::kind::kEditBox, {"编辑框_早", kDigits, kDecimal, kAnyText, "编辑框_最后"}},
      {platform::kind::kCanvas, {kCanvas, kOtherCanvas}},
      {platform::kind::kBrowserBox, {kBrowser}},
      {"没有的种类", {}},
  }};
  for (const auto& [kind, expected] : cases) {
    EXPECT_EQ(window_->FindControlsOfKind(kind), expected) << kind;
  }
}

TEST_F(WindowTest, PlacesCountFromTheContainersCorner) {
  Load();
  EXPECT_EQ(Widget(kDigits)->pos(), QPoint(10, 20));
  EXPECT_EQ(Widget(kDigits)->mapTo(TopLevel(), QPoint(0, 0)), QPoint(10, 140));
  EXPECT_EQ(window_->Left(kDigits), 10);
  EXPECT_EQ(window_->Top(kDigits), 20);
  EXPECT_EQ(window_->Width(kWindow), 320);
  EXPECT_EQ(window_->Height(kWindow), 260);
  // Controls without a widget keep their described place and are never visible.
  EXPECT_EQ(window_->Left(kDialog), 150);
  EXPECT_EQ(window_->Width(kBrowser), 10);
  EXPECT_FALSE(window_->Visible(kDialog));
  EXPECT_FALSE(window_->Visible(kBrowser));
  EXPECT_TRUE(window_->Visible(kLabel));
  EXPECT_EQ(window_->Tooltip(kSuperButton), "提示");
}

TEST_F(WindowTest, CheckBoxClickRunsAfterTheTickChanged) {
  std::vector<bool> seen;
  Load([&](platform::Window& window) {
    window.Connect(kCheck, ControlEvent::Clicked, [&] { seen.push_back(window.Ticked(kCheck)); });
  });
  QTest::mouseClick(Widget(kCheck), Qt::LeftButton, {}, QPoint(5, 12));
  QTest::mouseClick(Widget(kCheck), Qt::LeftButton, {}, QPoint(5, 12));
  window_->SetTicked(kCheck, false);
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
  EXPECT_FALSE(window_->Ticked(kCheck));
}

TEST_F(WindowTest, ClosingRunsDestroyingWithControlsReadableAndNoHandlerAfterIt) {
  std::vector<std::string> log;
  Load([&](platform::Window& window) {
    window.Connect(kWindow, ControlEvent::Created, [&] { log.push_back("created"); });
    window.Connect(kWindow, ControlEvent::Destroying, [&] {
      log.push_back("destroying " + window.Text(kDigits) + " " +
                    (window.Ticked(kCheck) ? "ticked" : "clear"));
    });
    for (const char* box : {kDigits, kDecimal}) {
      window.Connect(box, ControlEvent::LostFocus,
                     [&, box] { log.push_back("lost " + std::string(box)); });
      window.Connect(box, ControlEvent::GotFocus,
                     [&, box] { log.push_back("got " + std::string(box)); });
    }
  });
  application_.SetExitRoutine([&] { log.push_back("exit"); });
  ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevel()));
  Widget(kDigits)->setFocus();
  ASSERT_TRUE(Widget(kDigits)->hasFocus());
  log.clear();

  QTimer::singleShot(0, TopLevel(), [this] { TopLevel()->close(); });
  EXPECT_EQ(application_.RunUntilClosed(*window_), 0);
  window_.reset();  // tearing the widgets down moves the focus once more

  EXPECT_EQ(log, (std::vector<std::string>{"destroying 1 ticked", "exit"}));
}

TEST_F(WindowTest, FocusEventsReachTheirHandlers) {
  std::vector<std::string> log;
  Load([&](platform::Window& window) {
    window.Connect(kDigits, ControlEvent::GotFocus, [&] { log.push_back("got"); });
    window.Connect(kDigits, ControlEvent::LostFocus, [&] { log.push_back("lost"); });
  });
  ASSERT_TRUE(QTest::qWaitForWindowActive(TopLevel()));
  Widget(kDigits)->setFocus();
  Widget(kDecimal)->setFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"got", "lost"}));
}

class CanvasDragTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Load([](platform::Window& window) {
      window.Connect(kCanvas, ControlEvent::LeftButtonDown, [&] { window.BeginDrag(kCanvas); });
    });
  }

  // Mouse events as the canvas receives them, given in its parent's coordinates.
  void Send(const char* canvas, QEvent::Type type, QPoint inParent, Qt::MouseButtons held) {
    QWidget* widget = Widget(canvas);
    const QPointF local = inParent - widget->pos();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
};

TEST_F(CanvasDragTest, CanvasFollowsTheMouseInsideItsParentUntilReleased) {
  // The canvas is at 10, 10 and is taken hold of 5, 5 inside it.
  Send(kCanvas, QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton);
  Send(kCanvas, QEvent::MouseMove, {35, 25}, Qt::LeftButton);
  EXPECT_EQ(Widget(kCanvas)->pos(), QPoint(30, 20));
  // The mouse is held inside the parent (320 x 120).
  Send(kCanvas, QEvent::MouseMove, {1000, -50}, Qt::LeftButton);
  EXPECT_EQ(Widget(kCanvas)->pos(), QPoint(319 - 5, 0 - 5));
  Send(kCanvas, QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
  Send(kCanvas, QEvent::MouseMove, {50, 50}, Qt::NoButton);
  EXPECT_EQ(Widget(kCanvas)->pos(), QPoint(314, -5));
}

TEST_F(CanvasDragTest, CanvasWithoutTheDragHandlerStays) {
  Send(kOtherCanvas, QEvent::MouseButtonPress, {65, 15}, Qt::LeftButton);
  Send(kOtherCanvas, QEvent::MouseMove, {90, 40}, Qt::LeftButton);
  EXPECT_EQ(Widget(kOtherCanvas)->pos(), QPoint(60, 10));
}

}  // namespace
}  // namespace toolkittest
