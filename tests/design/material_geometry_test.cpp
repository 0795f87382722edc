#include <QApplication>
#include <QTest>
#include <QWidget>
#include <array>
#include <ostream>
#include <string>
#include <utility>
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

class MaterialGeometryTest : public testsupport::MainWindowTest {
 protected:
  // Types into the focused box as the user would: select everything, then the keys.
  void Type(const char* box, const std::string& text) {
    QWidget* edit = widget(box);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    if (text.empty()) {
      QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(edit, QString::fromStdString(text));
    }
    QApplication::processEvents();
  }

  // From here on any render shows: the opacities change without raising anything, so a
  // rendered picture differs from the one shown now.
  void WatchForRenders() {
    for (const ButtonStateControls& row : kButtonStates) window().SetText(row.opacityBox, "0");
    watched_ = {Design().normalPicture, Design().litPicture, Design().pressedPicture};
  }

  // How many of the three pictures were rendered since WatchForRenders.
  int RenderedStates() const {
    const std::array<const StatePicture*, 3> now{&Design().normalPicture, &Design().litPicture,
                                                 &Design().pressedPicture};
    int rendered = 0;
    for (std::size_t i = 0; i < now.size(); ++i) rendered += *now[i] != watched_[i] ? 1 : 0;
    return rendered;
  }

 private:
  std::array<StatePicture, 3> watched_;
};

struct EditCase {
  const char* name;
  const char* box;
  std::vector<std::string> typed;  // in turn, while the box has the focus
  bool renders;
  Geometry expected;
};

void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }

class MaterialBoxEditTest : public MaterialGeometryTest,
                            public ::testing::WithParamInterface<EditCase> {};

// At start the rectangle is all zero while the boxes show 200, 100, 200, 100.
TEST_P(MaterialBoxEditTest, LeavingTheBoxAppliesItsPairOnlyWhenTheValueChanged) {
  const EditCase& c = GetParam();
  ASSERT_EQ(Of(Design().materialRect), (Geometry{0, 0, 0, 0}));
  WatchForRenders();
  FocusIn(c.box);
  ASSERT_TRUE(widget(c.box)->hasFocus());
  for (const std::string& text : c.typed) Type(c.box, text);
  FocusOut(c.box);
  ASSERT_FALSE(widget(c.box)->hasFocus());
  EXPECT_EQ(Of(Design().materialRect), c.expected);
  EXPECT_EQ(RenderedStates(), c.renders ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Material, MaterialBoxEditTest,
    ::testing::Values(
        // Entering only remembers the box's value in its field.
        EditCase{"FocusWithoutTyping", kMaterialWidthBox, {}, false, {200, 0, 0, 0}},
        EditCase{"WidthTakesHeightFromItsBox", kMaterialWidthBox, {"150"}, true, {150, 100, 0, 0}},
        EditCase{"HeightTakesWidthFromItsBox", kMaterialHeightBox, {"7"}, true, {200, 7, 0, 0}},
        EditCase{"ChangedAndBackBeforeLeaving",
                 kMaterialWidthBox,
                 {"150", "200"},
                 false,
                 {200, 0, 0, 0}},
        EditCase{"FirstChangeOfXTakesYFromItsBox", kMaterialXBox, {"50"}, true, {0, 0, 50, 100}},
        EditCase{"NegativeY", kMaterialYBox, {"-30"}, true, {0, 0, 200, -30}},
        // A box without digits counts as 0.
        EditCase{"ClearedHeightIsZero", kMaterialHeightBox, {""}, true, {200, 0, 0, 0}},
        EditCase{"MinusAloneIsZero", kMaterialXBox, {"-"}, true, {0, 0, 0, 100}}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST_F(MaterialGeometryTest, NewWidthRedrawsTheMaterialInAllThreePictures) {
  window().SetTicked(kLockBox, false);
  LoadMaterial(window(), testsupport::WriteFile(runDirectory(), "m.png",
                                                testsupport::MakePicture(48, 48, kRed)));
  ASSERT_EQ(Of(Design().materialRect), (Geometry{48, 48, 76, 26}));
  // Out of step with the rectangle until the pair is applied.
  window().SetText(kMaterialHeightBox, "20");

  FocusIn(kMaterialWidthBox);
  Type(kMaterialWidthBox, "150");
  FocusOut(kMaterialWidthBox);
  ASSERT_EQ(Of(Design().materialRect), (Geometry{150, 20, 76, 26}));

  struct Probe {
    int x, y;
    bool material;
  };
  constexpr std::array<Probe, 5> kProbes{{
      {80, 30, true},
      {199, 44, true},  // the widened part, clipped at the layer's edge
      {75, 30, false},
      {100, 47, false},  // below the new height
      {100, 60, false},  // where the old 48 x 48 material was
  }};
  for (const ButtonStateControls& row : kButtonStates) {
    const testsupport::DecodedPicture picture =
        Decode(PictureOf(Design(), static_cast<int>(row.state)));
    ASSERT_TRUE(picture.valid) << row.canvas;
    for (const Probe& p : kProbes) {
      EXPECT_EQ(picture.pixels[p.y * picture.width + p.x] == kRed, p.material)
          << row.canvas << " at " << p.x << "," << p.y;
    }
  }
}

// Any value may be typed; the material is drawn wherever it falls, or not at all.
TEST_F(MaterialGeometryTest, ExtremeRectanglesRenderValidPictures) {
  window().SetTicked(kLockBox, false);
  LoadMaterial(window(), testsupport::WriteFile(runDirectory(), "m.png",
                                                testsupport::MakePicture(48, 48, kRed)));
  struct Case {
    const char* width;
    const char* height;
    const char* x;
    const char* y;
  };
  constexpr std::array<Case, 5> kCases{{
      {"2147483647", "2147483647", "0", "0"},
      {"2147483647", "2147483647", "2147483647", "2147483647"},
      {"2147483647", "2147483647", "-2147483648", "-2147483648"},
      {"-48", "-48", "100", "50"},
      {"-2147483648", "-2147483648", "2147483647", "-2147483648"},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.width) + " x " + c.height + " at " + c.x + ", " + c.y);
    for (const auto& [box, text] :
         {std::pair{kMaterialWidthBox, c.width}, std::pair{kMaterialHeightBox, c.height},
          std::pair{kMaterialXBox, c.x}, std::pair{kMaterialYBox, c.y}}) {
      FocusIn(box);
      Type(box, text);
      FocusOut(box);
    }
    EXPECT_EQ(Of(Design().materialRect),
              (Geometry{std::stoi(c.width), std::stoi(c.height), std::stoi(c.x), std::stoi(c.y)}));
    for (const ButtonStateControls& row : kButtonStates) {
      const testsupport::DecodedPicture picture =
          Decode(PictureOf(Design(), static_cast<int>(row.state)));
      EXPECT_TRUE(picture.valid && picture.width == 200 && picture.height == 100) << row.canvas;
    }
  }
}

// Holds the left button down on a canvas, moves the mouse by `by` in steps, and lets go.
void Drag(QWidget* canvas, QPoint by) {
  const QPoint grab(10, 10);
  const QPoint start = canvas->pos() + grab;  // the mouse, in the parent's coordinates
  QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, grab);
  constexpr int kSteps = 4;
  // Each position is given in the canvas's own coordinates, which move with it.
  for (int step = 1; step <= kSteps; ++step) {
    QTest::mouseMove(canvas, start + by * step / kSteps - canvas->pos());
  }
  QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, start + by - canvas->pos());
  QApplication::processEvents();
}

TEST_F(MaterialGeometryTest, OnlyTheNormalCanvasFollowsTheMouseAndItsPlaceIsNotKept) {
  for (const ButtonStateControls& row : kButtonStates) {
    const QPoint before(window().Left(row.canvas), window().Top(row.canvas));
    Drag(widget(row.canvas), QPoint(30, 20));
    const QPoint expected = row.state == ButtonState::Normal ? before + QPoint(30, 20) : before;
    EXPECT_EQ(QPoint(window().Left(row.canvas), window().Top(row.canvas)), expected) << row.canvas;
  }

  // Dragged far past the backdrop, the canvas stays on it, clipped, and can be taken again.
  QWidget* canvas = widget(kNormalCanvas);
  for (const QPoint by : {QPoint(2000, 2000), QPoint(-3000, -3000)}) {
    Drag(canvas, by);
    EXPECT_EQ(canvas->parentWidget(), widget(kBackdrop));
    EXPECT_TRUE(widget(kBackdrop)->rect().intersects(canvas->geometry()))
        << canvas->geometry().x() << "," << canvas->geometry().y();
  }

  RestartWindow();
  EXPECT_EQ(window().Left(kNormalCanvas), 112);
  EXPECT_EQ(window().Top(kNormalCanvas), 19);
}

}  // namespace
}  // namespace design
