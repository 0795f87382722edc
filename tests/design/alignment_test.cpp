#include <QApplication>
#include <QTest>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/material_geometry.h"
#include "design/material_import.h"
#include "tests/design/material_test_support.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

using testsupport::Decode;

// The buttons by their own names, so that a slip in the wiring shows.
constexpr const char* kLeft = "图形按钮_左对齐";
constexpr const char* kRight = "图形按钮_右对齐";
constexpr const char* kTop = "图形按钮_上对齐";
constexpr const char* kBottom = "图形按钮_下对齐";
constexpr const char* kCentreX = "图形按钮_水平居中";
constexpr const char* kCentreY = "图形按钮_垂直居中";
constexpr const char* kCentreBoth = "图形按钮_双向居中";

class AlignmentTest : public testsupport::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window().SetTicked(kLockBox, false);
    LoadMaterial(window(), testsupport::WriteFile(runDirectory(), "m.png",
                                                  testsupport::MakePicture(48, 48, kRed)));
  }

  void Place(const Geometry& g) {
    Design().materialRect = {.width = g[0], .x = g[2], .y = g[3], .height = g[1]};
    window().SetText(kMaterialXBox, "x");
    window().SetText(kMaterialYBox, "y");
  }
};

TEST_F(AlignmentTest, ButtonsMoveTheMaterialOnTheLayerAndShowTheNewPlace) {
  struct Case {
    const char* name;
    Geometry start;
    std::vector<const char*> clicks;
    Geometry expected;
    // The boxes that no click wrote keep their text.
    const char* xBox;
    const char* yBox;
  };
  const std::array<Case, 12> kCases{{
      {"left", {48, 48, 10, 10}, {kLeft}, {48, 48, 0, 10}, "0", "y"},
      {"right", {48, 48, 10, 10}, {kRight}, {48, 48, 152, 10}, "152", "y"},
      {"top", {48, 48, 10, 10}, {kTop}, {48, 48, 10, 0}, "x", "0"},
      {"bottom", {48, 48, 10, 10}, {kBottom}, {48, 48, 10, 52}, "x", "52"},
      {"centre horizontally", {48, 48, 10, 10}, {kCentreX}, {48, 48, 76, 10}, "76", "y"},
      {"centre vertically", {48, 48, 10, 10}, {kCentreY}, {48, 48, 10, 26}, "x", "26"},
      {"centre both", {48, 48, 10, 10}, {kCentreBoth}, {48, 48, 76, 26}, "76", "26"},
      {"wider than the layer, right", {250, 48, 0, 0}, {kRight}, {250, 48, -50, 0}, "-50", "y"},
      {"wider than the layer, centre", {250, 48, 0, 0}, {kCentreX}, {250, 48, -25, 0}, "-25", "y"},
      // Halves truncate toward zero.
      {"odd sizes", {51, 151, 0, 0}, {kCentreBoth}, {51, 151, 74, -25}, "74", "-25"},
      {"nothing measured", {0, 0, 7, 7}, {kCentreBoth}, {0, 0, 100, 50}, "100", "50"},
      {"left, then centre vertically",
       {48, 48, 10, 10},
       {kLeft, kCentreY},
       {48, 48, 0, 26},
       "0",
       "26"},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Place(c.start);
    for (const char* button : c.clicks) Click(button);
    EXPECT_EQ(Of(Design().materialRect), c.expected);
    EXPECT_EQ(window().Text(kMaterialXBox), c.xBox);
    EXPECT_EQ(window().Text(kMaterialYBox), c.yBox);
  }
}

TEST_F(AlignmentTest, RedrawsAllThreePicturesAtTheNewPlace) {
  Click(kRight);
  Click(kBottom);
  ASSERT_EQ(Of(Design().materialRect), (Geometry{48, 48, 152, 52}));
  for (const ButtonStateControls& row : kButtonStates) {
    const testsupport::DecodedPicture picture =
        Decode(PictureOf(Design(), static_cast<int>(row.state)));
    ASSERT_TRUE(picture.valid) << row.canvas;
    EXPECT_EQ(picture.pixels[99 * 200 + 199], kRed) << row.canvas << ": the bottom right corner";
    EXPECT_NE(picture.pixels[51 * 200 + 151], kRed) << row.canvas << ": just outside";
    EXPECT_NE(picture.pixels[26 * 200 + 76], kRed) << row.canvas << ": the old place";
  }
}

TEST_F(AlignmentTest, UsesTheRectangleNotAWidthTypedButNotApplied) {
  // The box keeps the focus (picture buttons take none), so its lost-focus handling never ran.
  FocusIn(kMaterialWidthBox);
  QWidget* box = widget(kMaterialWidthBox);
  QTest::keyClick(box, Qt::Key_End);
  QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClicks(box, "33");
  Click(kRight);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(Of(Design().materialRect), (Geometry{48, 48, 152, 26}));
  EXPECT_EQ(window().Text(kMaterialWidthBox), "33");
}

}  // namespace
}  // namespace design
