#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <array>

#include "tests/platform/toolkit/toolkit_test_support.h"

namespace toolkittest {
namespace {

class ColourPickerTest : public ToolkitTest {
 protected:
  void SetUp() override {
    Load([this](platform::Window& window) {
      window.Connect(kPicker, platform::ControlEvent::ColourChanged, [this] { ++changes_; });
    });
  }

  QComboBox* Picker() const { return static_cast<QComboBox*>(Widget(kPicker)); }

  // Picks the custom entry; the colour dialog answers with `answer`, or is cancelled.
  void PickCustom(std::optional<QColor> answer) {
    QTimer::singleShot(0, [answer] {
      auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (!answer) return dialog->reject();
      dialog->setCurrentColor(*answer);
      dialog->accept();
    });
    Picker()->setCurrentIndex(Picker()->count() - 1);
    emit Picker()->activated(Picker()->count() - 1);
  }

  int changes_ = 0;
};

TEST_F(ColourPickerTest, ColourSetByTheProgramRaisesNothing) {
  const std::array<std::pair<std::uint32_t, std::uint32_t>, 4> cases{{
      {0xFF0000, 0xFF0000},    // a standard colour (blue)
      {0xECECEC, 0xECECEC},    // none of them
      {0x123456, 0x123456},    // another one
      {0xAA000080, 0x000080},  // the top byte carries nothing
  }};
  for (const auto& [set, expected] : cases) {
    window_->SetColour(kPicker, set);
    EXPECT_EQ(window_->Colour(kPicker), expected) << std::hex << set;
  }
  EXPECT_EQ(changes_, 0);
}

TEST_F(ColourPickerTest, UserPickRaisesColourChangedOnce) {
  window_->SetColour(kPicker, 0x000000);  // the first entry
  QTest::keyClick(Picker(), Qt::Key_Down);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(window_->Colour(kPicker), 0xFFFFFFu);
}

TEST_F(ColourPickerTest, TheWheelOverThePickerPicksNothing) {
  window_->SetColour(kPicker, 0xC0C0C0);
  const QPoint centre = Picker()->rect().center();
  // Notch after notch down the list: without the guard one of them reaches the custom entry and
  // opens the modal colour dialog, which would hang this test until its time-out.
  for (int notch = 0; notch < Picker()->count() + 1; ++notch) {
    QWheelEvent wheel(centre, Picker()->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Picker(), &wheel);
  }
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(window_->Colour(kPicker), 0xC0C0C0u);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ColourPickerTest, CustomEntryTakesTheDialogsColour) {
  window_->SetColour(kPicker, 0xECECEC);
  PickCustom(QColor(1, 2, 3));
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(window_->Colour(kPicker), 0x030201u);
}

TEST_F(ColourPickerTest, CancelledDialogKeepsTheColour) {
  window_->SetColour(kPicker, 0xECECEC);
  PickCustom(std::nullopt);
  EXPECT_EQ(changes_, 0);
  EXPECT_EQ(window_->Colour(kPicker), 0xECECECu);
  EXPECT_NE(Picker()->currentIndex(), Picker()->count() - 1) << "not left on the custom entry";
}

}  // namespace
}  // namespace toolkittest
