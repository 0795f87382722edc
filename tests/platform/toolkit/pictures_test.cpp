#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPixmap>
#include <array>

#include "platform/toolkit/picture_cache.h"
#include "tests/platform/toolkit/toolkit_test_support.h"

namespace toolkittest {
namespace {

using platform::PictureSlot;

class PicturesTest : public ToolkitTest {
 protected:
  void SetUp() override { Load(); }

  QColor PixelOfWindow(QPoint point) const {
    return TopLevel()->grab().toImage().pixelColor(point);
  }
};

TEST_F(PicturesTest, ControlsKeepTheBytesTheyWereGiven) {
  struct Case {
    const char* control;
    PictureSlot slot;
  };
  const std::array<Case, 7> cases{{
      {kCanvas, PictureSlot::Background},
      {kPictureButton, PictureSlot::Normal},
      {kPictureButton, PictureSlot::Lit},
      {kPictureButton, PictureSlot::Pressed},
      {kSuperButton, PictureSlot::Normal},
      {kSuperButton, PictureSlot::Lit},
      {kSuperButton, PictureSlot::Disabled},
  }};
  const platform::Bytes png = MakePng(7, 5, Qt::red, QRect(0, 0, 3, 5));
  const platform::Bytes notAPicture{0x00, 0x01, 0xFF, 0x89, 'P', 'N', 'G'};
  for (const Case& c : cases) {
    const std::string where =
        std::string(c.control) + " slot " + std::to_string(static_cast<int>(c.slot));
    window_->SetPicture(c.control, c.slot, png);
    EXPECT_EQ(window_->Picture(c.control, c.slot), png) << where;
    window_->SetPicture(c.control, c.slot, notAPicture);
    EXPECT_EQ(window_->Picture(c.control, c.slot), notAPicture) << where;
    window_->SetPicture(c.control, c.slot, {});
    EXPECT_TRUE(window_->Picture(c.control, c.slot).empty()) << where;
  }
  // A slot the control does not have keeps nothing.
  window_->SetPicture(kCanvas, PictureSlot::Normal, png);
  EXPECT_TRUE(window_->Picture(kCanvas, PictureSlot::Normal).empty());
  window_->SetPicture(kSuperButton, PictureSlot::Pressed, png);
  EXPECT_TRUE(window_->Picture(kSuperButton, PictureSlot::Pressed).empty());
}

TEST_F(PicturesTest, SameBytesOnThreeControlsAreDecodedOnce) {
  const platform::Bytes png = MakePng(40, 20, QColor(1, 2, 3));
  const int before = platform::toolkit::DecodeCount();
  window_->SetPicture(kCanvas, PictureSlot::Background, png);
  window_->SetPicture(kSuperButton, PictureSlot::Normal, png);
  window_->SetPicture(kPictureButton, PictureSlot::Normal, png);
  EXPECT_EQ(platform::toolkit::DecodeCount(), before + 1);
}

TEST_F(PicturesTest, CanvasShowsWhatLiesBeneathWhereItsPictureIsTransparent) {
  // The canvas sits at 10, 10 on a green shape box; the left half of its picture is clear.
  window_->SetPicture(kCanvas, PictureSlot::Background,
                      MakePng(40, 20, Qt::red, QRect(0, 0, 20, 20)));
  EXPECT_EQ(PixelOfWindow({15, 15}), QColor(Qt::green));
  EXPECT_EQ(PixelOfWindow({45, 15}), QColor(Qt::red));

  window_->SetPicture(kCanvas, PictureSlot::Background, {});
  EXPECT_EQ(PixelOfWindow({45, 15}), QColor(Qt::green));
}

TEST_F(PicturesTest, ZeroAndNegativeSizesShowNothing) {
  struct Case {
    int requested;
    int expected;
  };
  const std::array<Case, 3> cases{{{-5, 0}, {0, 0}, {37, 37}}};
  for (const Case& c : cases) {
    window_->SetWidth(kCanvas, c.requested);
    window_->SetHeight(kCanvas, c.requested);
    window_->SetPicture(kCanvas, PictureSlot::Background, MakePng(40, 20, Qt::red));
    EXPECT_EQ(window_->Width(kCanvas), c.expected) << c.requested;
    EXPECT_EQ(window_->Height(kCanvas), c.expected) << c.requested;
    EXPECT_FALSE(TopLevel()->grab().isNull()) << c.requested;
  }
}

TEST_F(PicturesTest, PictureButtonsDrawThePictureOfTheirLook) {
  auto* button = static_cast<QAbstractButton*>(Widget(kPictureButton));
  window_->SetPicture(kPictureButton, PictureSlot::Normal, MakePng(30, 20, Qt::red));
  window_->SetPicture(kPictureButton, PictureSlot::Lit, MakePng(30, 20, Qt::green));
  window_->SetPicture(kPictureButton, PictureSlot::Pressed, MakePng(30, 20, Qt::blue));
  const auto centre = [&] { return button->grab().toImage().pixelColor(15, 10); };

  EXPECT_EQ(centre(), QColor(Qt::red));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(centre(), QColor(Qt::green));
  button->setDown(true);
  EXPECT_EQ(centre(), QColor(Qt::blue));
}

TEST_F(PicturesTest, SuperButtonShiftsWhenPressedAndShowsItsDisabledPicture) {
  auto* button = static_cast<QAbstractButton*>(Widget(kSuperButton));
  window_->SetText(kSuperButton, "");
  window_->SetPicture(kSuperButton, PictureSlot::Normal, MakePng(60, 20, Qt::red));
  window_->SetPicture(kSuperButton, PictureSlot::Disabled, MakePng(60, 20, Qt::blue));
  const auto pixel = [&](int x, int y) { return button->grab().toImage().pixelColor(x, y); };

  EXPECT_EQ(pixel(0, 0), QColor(Qt::red));
  button->setDown(true);
  EXPECT_NE(pixel(0, 0), QColor(Qt::red)) << "pressed, the picture moves off the corner";
  EXPECT_EQ(pixel(1, 1), QColor(Qt::red));
  button->setDown(false);
  button->setEnabled(false);
  EXPECT_EQ(pixel(0, 0), QColor(Qt::blue));
}

}  // namespace
}  // namespace toolkittest
