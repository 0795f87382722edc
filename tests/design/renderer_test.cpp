#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/renderer.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

using testsupport::Decode;
using testsupport::DecodedPicture;

class RendererTest : public testsupport::MainWindowTest {};

TEST_F(RendererTest, OpaqueLayerWithoutMaterialIsExactlyTheLayerColourAtTheLayerSize) {
  window().SetColour(ControlsOf(ButtonState::Normal).colourPicker, 0x00336699);
  RenderAllStates(window());
  const DecodedPicture picture = Decode(Design().normalPicture);
  ASSERT_TRUE(picture.valid);
  EXPECT_EQ(picture.width, 200);
  EXPECT_EQ(picture.height, 100);
  for (unsigned pixel : picture.pixels) ASSERT_EQ(pixel, 0xFF996633u);
}

TEST_F(RendererTest, PreviewsShowExactlyTheStoredPictures) {
  RenderAllStates(window());
  DesignState& design = Design();
  for (const ButtonStateControls& row : kButtonStates) {
    const StatePicture& picture = PictureOf(design, static_cast<int>(row.state));
    ASSERT_FALSE(picture.empty());
    EXPECT_EQ(window().Picture(row.canvas, platform::PictureSlot::Background), picture);
    EXPECT_EQ(window().Picture(kDemoSuperButton, row.superButtonSlot), picture);
    EXPECT_EQ(window().Picture(kDemoPictureButton, row.pictureButtonSlot), picture);
  }
  EXPECT_EQ(window().Picture(kDemoSuperButton, platform::PictureSlot::Disabled),
            design.pressedPicture);
}

}  // namespace
}  // namespace design
