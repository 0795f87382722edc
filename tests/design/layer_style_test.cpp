#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/renderer.h"
#include "platform/toolkit/qt_access.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

using testsupport::Decode;
using testsupport::DecodedPicture;

constexpr std::uint32_t kRed = 0x0000FF;  // toolkit colours, all among the picker's swatches
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kOlive = 0x008080;

// The colour of a state picture's first pixel, in the toolkit's 0x00BBGGRR form.
std::uint32_t PictureColour(ButtonState state) {
  const DecodedPicture picture = Decode(PictureOf(Design(), static_cast<int>(state)));
  if (!picture.valid) return 0xFFFFFFFF;
  const testsupport::DecodedPixel p = picture.at(0, 0);
  return static_cast<std::uint32_t>(p.blue << 16 | p.green << 8 | p.red);
}

class LayerStyleTest : public testsupport::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ParkFocus();
  }

  // Picks a colour in a picker the way a user does: one step down the list onto it.
  void PickColour(const char* picker, std::uint32_t colour) {
    auto* box = static_cast<QComboBox*>(widget(picker));
    const int index = box->findData(colour);
    ASSERT_GT(index, 0) << std::hex << colour << " is not a swatch of " << picker;
    box->setCurrentIndex(index - 1);
    QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(window().Colour(picker), colour) << picker;
  }

  // Leaves no edit box holding the focus, so that only the box a test enters loses it.
  void ParkFocus() {
    platform::TopLevelOf(window())->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }

  // Renders all three opaque, then sets every opacity box to 0 without raising anything:
  // a picture that turns transparent afterwards was rendered again.
  void MarkPicturesStale() {
    for (const ButtonStateControls& row : kButtonStates) window().SetText(row.opacityBox, "255");
    RenderAllStates(window());
    for (const ButtonStateControls& row : kButtonStates) window().SetText(row.opacityBox, "0");
  }

  bool RenderedSinceMark(ButtonState state) {
    const DecodedPicture picture = Decode(PictureOf(Design(), static_cast<int>(state)));
    return picture.valid && picture.at(0, 0).alpha == 0;
  }

  void UntickAllInheritBoxes() {
    for (const ButtonStateControls& row : kButtonStates) window().SetTicked(row.inheritBox, false);
  }
};

TEST_F(LayerStyleTest, EachEventRendersExactlyThePicturesThatDependOnIt) {
  struct Case {
    const char* name;
    std::function<void()> act;
    std::array<bool, 3> rendered;  // Normal, Lit, Pressed
  };
  const std::array<Case, 8> cases{{
      {"unified colour picked, no inherit box ticked",
       [this] { PickColour(kUnifiedLayerColourPicker, kRed); },
       {true, true, true}},
      {"backdrop colour picked", [this] { PickColour(kBackdropColourPicker, kGreen); }, {}},
      {"layer width box left unchanged",
       [this] {
         FocusIn(kLayerWidthBox);
         FocusOut(kLayerWidthBox);
       },
       {true, true, true}},
      {"layer height box left unchanged",
       [this] {
         FocusIn(kLayerHeightBox);
         FocusOut(kLayerHeightBox);
       },
       {true, true, true}},
      {"Normal colour picked",
       [this] { PickColour(ControlsOf(ButtonState::Normal).colourPicker, kBlue); },
       {true, false, false}},
      {"Lit opacity box left",
       [this] {
         FocusIn(ControlsOf(ButtonState::Lit).opacityBox);
         FocusOut(ControlsOf(ButtonState::Lit).opacityBox);
       },
       {false, true, false}},
      {"Pressed inherit box ticked",
       [this] { Click(ControlsOf(ButtonState::Pressed).inheritBox); },
       {false, false, true}},
      {"Lit inherit box unticked",
       [this] {
         window().SetTicked(ControlsOf(ButtonState::Lit).inheritBox, true);
         Click(ControlsOf(ButtonState::Lit).inheritBox);
       },
       {}},
  }};
  for (const Case& c : cases) {
    UntickAllInheritBoxes();
    MarkPicturesStale();
    c.act();
    for (const ButtonStateControls& row : kButtonStates) {
      EXPECT_EQ(RenderedSinceMark(row.state), c.rendered[static_cast<int>(row.state)])
          << c.name << ": " << row.canvas;
    }
  }
}

TEST_F(LayerStyleTest, UnifiedColourReachesOnlyTickedStatesUntilUnticked) {
  const ButtonStateControls& normal = ControlsOf(ButtonState::Normal);
  const ButtonStateControls& lit = ControlsOf(ButtonState::Lit);
  const ButtonStateControls& pressed = ControlsOf(ButtonState::Pressed);
  UntickAllInheritBoxes();
  window().SetColour(normal.colourPicker, kOlive);
  window().SetColour(pressed.colourPicker, kBlue);
  for (const ButtonStateControls& row : kButtonStates) window().SetText(row.opacityBox, "255");

  PickColour(kUnifiedLayerColourPicker, kRed);
  EXPECT_EQ(window().Colour(normal.colourPicker), kOlive);
  EXPECT_EQ(window().Colour(pressed.colourPicker), kBlue);

  Click(lit.inheritBox);  // ticks it: takes the unified colour at once
  ASSERT_TRUE(window().Ticked(lit.inheritBox));
  EXPECT_EQ(window().Colour(lit.colourPicker), kRed);
  EXPECT_EQ(PictureColour(ButtonState::Lit), kRed);

  PickColour(lit.colourPicker, kGreen);  // its own colour, inherit box ticked or not
  EXPECT_TRUE(window().Ticked(lit.inheritBox));
  EXPECT_EQ(PictureColour(ButtonState::Lit), kGreen);

  PickColour(kUnifiedLayerColourPicker, kOlive);  // the next unified change overwrites it
  EXPECT_EQ(window().Colour(lit.colourPicker), kOlive);
  EXPECT_EQ(PictureColour(ButtonState::Lit), kOlive);
  EXPECT_EQ(window().Colour(pressed.colourPicker), kBlue);
  EXPECT_EQ(PictureColour(ButtonState::Normal), kOlive);  // unticked: keeps its own colour
  EXPECT_EQ(PictureColour(ButtonState::Pressed), kBlue);

  Click(lit.inheritBox);  // unticks it: the colour stays
  ASSERT_FALSE(window().Ticked(lit.inheritBox));
  PickColour(kUnifiedLayerColourPicker, kGreen);
  EXPECT_EQ(window().Colour(lit.colourPicker), kOlive);
  EXPECT_EQ(PictureColour(ButtonState::Lit), kOlive);
}

TEST_F(LayerStyleTest, BackdropColourPaintsTheBackdropAndTheDemoGroup) {
  PickColour(kBackdropColourPicker, kOlive);
  EXPECT_EQ(window().FillColour(kBackdrop), kOlive);
  EXPECT_EQ(window().BackgroundColour(kDemoGroup), kOlive);
}

// Peak resident memory of the process, in kilobytes.
long PeakMemoryKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

void Paste(QWidget* box, const char* text) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
  box->setFocus(Qt::TabFocusReason);
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  QApplication::sendEvent(box, &paste);
}

TEST_F(LayerStyleTest, UnusableLayerSizeGivesEmptyPicturesUntilAGoodOneComes) {
  struct Case {
    const char* box;
    const char* text;
    bool pasted;
  };
  const std::array<Case, 6> cases{{
      {kLayerWidthBox, "0", false},
      {kLayerWidthBox, "-5", false},
      {kLayerWidthBox, "99999999", false},
      {kLayerHeightBox, "99999999", false},
      {kLayerWidthBox, "abc", true},
      {kLayerHeightBox, "-", true},
  }};
  const long peakBefore = PeakMemoryKb();
  for (const Case& c : cases) {
    window().SetText(kLayerWidthBox, "200");
    window().SetText(kLayerHeightBox, "100");
    window().SetText(c.box, c.pasted ? "" : c.text);
    FocusIn(c.box);
    if (c.pasted) Paste(widget(c.box), c.text);
    ASSERT_EQ(window().Text(c.box), c.text);
    FocusOut(c.box);
    for (const ButtonStateControls& row : kButtonStates) {
      EXPECT_TRUE(PictureOf(Design(), static_cast<int>(row.state)).empty())
          << c.box << " " << c.text << ": " << row.canvas;
      EXPECT_TRUE(window().Picture(row.canvas, platform::PictureSlot::Background).empty());
      EXPECT_TRUE(window().Picture(kDemoSuperButton, row.superButtonSlot).empty());
      EXPECT_TRUE(window().Picture(kDemoPictureButton, row.pictureButtonSlot).empty());
    }
  }
  // Refused before anything is allocated: one 99999999-pixel-wide layer would take gigabytes.
  EXPECT_LT(PeakMemoryKb() - peakBefore, 64 * 1024);

  window().SetText(kLayerWidthBox, "120");
  window().SetText(kLayerHeightBox, "30");
  for (const char* box : {kLayerWidthBox, kLayerHeightBox}) {
    FocusIn(box);
    FocusOut(box);
  }
  for (const char* control : kLayerSizedControls) {
    EXPECT_EQ(window().Width(control), 120) << control;
    EXPECT_EQ(window().Height(control), 30) << control;
  }
  for (const ButtonStateControls& row : kButtonStates) {
    const DecodedPicture picture = Decode(PictureOf(Design(), static_cast<int>(row.state)));
    EXPECT_EQ(picture.width, 120) << row.canvas;
    EXPECT_EQ(picture.height, 30) << row.canvas;
  }
}

// At start the restored layer size and backdrop colour are applied before the first render.
TEST_F(LayerStyleTest, StartAppliesTheRestoredBackdropAndLayerSizeThenRenders) {
  struct Case {
    const char* width;
    const char* height;
    int layerWidth;  // 0: no picture
    int layerHeight;
  };
  const std::array<Case, 2> cases{{{"150", "60", 150, 60}, {"0", "60", 0, 0}}};
  for (const Case& c : cases) {
    window().SetText(kLayerWidthBox, c.width);
    window().SetText(kLayerHeightBox, c.height);
    window().SetColour(kBackdropColourPicker, kOlive);
    RestartWindow();
    EXPECT_EQ(window().FillColour(kBackdrop), kOlive) << c.width;
    EXPECT_EQ(window().BackgroundColour(kDemoGroup), kOlive) << c.width;
    for (const char* control : kLayerSizedControls) {
      EXPECT_EQ(window().Width(control), c.layerWidth) << control;
    }
    for (const ButtonStateControls& row : kButtonStates) {
      const StatePicture& picture = PictureOf(Design(), static_cast<int>(row.state));
      EXPECT_EQ(window().Picture(row.canvas, platform::PictureSlot::Background), picture);
      const DecodedPicture decoded = Decode(picture);
      EXPECT_EQ(decoded.width, c.layerWidth) << c.width << ": " << row.canvas;
      EXPECT_EQ(decoded.height, c.layerHeight) << c.width << ": " << row.canvas;
    }
  }
}

}  // namespace
}  // namespace design
