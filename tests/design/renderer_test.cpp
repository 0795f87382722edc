#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "design/button_state.h"
#include "design/design_state.h"
#include "design/renderer.h"
#include "tests/support/main_window_fixture.h"

namespace design {
namespace {

using testsupport::Decode;
using testsupport::DecodedPicture;

class RendererTest : public testsupport::MainWindowTest {
 protected:
  void SetOpacity(ButtonState state, std::string_view text) {
    window().SetText(ControlsOf(state).opacityBox, text);
  }
};

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

// A 48 x 48 material with four opaque quadrants, so that a picture shows which part of it
// was drawn where.
constexpr int kMaterialSide = 48;

unsigned QuadrantColour(int x, int y) {
  constexpr std::array<unsigned, 4> kQuadrants{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
  return kQuadrants[(y < kMaterialSide / 2 ? 0 : 2) + (x < kMaterialSide / 2 ? 0 : 1)];
}

platform::Bytes QuadrantMaterial() {
  QImage image(kMaterialSide, kMaterialSide, QImage::Format_ARGB32);
  for (int y = 0; y < kMaterialSide; ++y) {
    for (int x = 0; x < kMaterialSide; ++x) image.setPixel(x, y, QuadrantColour(x, y));
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return platform::Bytes(data.begin(), data.end());
}

TEST_F(RendererTest, MaterialShowsOnlyWhereItsRectangleMeetsTheLayer) {
  struct Case {
    const char* name;
    MaterialRect rect;  // width, x, y, height
  };
  const std::array<Case, 6> cases{{
      {"inside", {kMaterialSide, 10, 20, kMaterialSide}},
      {"over the top-left corner", {kMaterialSide, -24, -24, kMaterialSide}},
      {"over the bottom-right corner", {kMaterialSide, 176, 76, kMaterialSide}},
      {"wholly outside", {kMaterialSide, 300, 0, kMaterialSide}},
      {"width 0", {0, 10, 20, kMaterialSide}},
      {"height 0", {kMaterialSide, 10, 20, 0}},
  }};
  struct Layer {
    const char* opacity;
    unsigned pixel;  // what the layer alone shows
  };
  const std::array<Layer, 2> layers{{{"0", 0x00000000}, {"255", 0xFFECECEC}}};

  ASSERT_TRUE(Design().materialImage.LoadFromBytes(QuadrantMaterial()));
  for (const Layer& layer : layers) {
    SetOpacity(ButtonState::Normal, layer.opacity);
    for (const Case& c : cases) {
      Design().materialRect = c.rect;
      RenderNormal(window());
      const DecodedPicture picture = Decode(Design().normalPicture);
      ASSERT_TRUE(picture.valid) << c.name;
      int wrong = 0;
      for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
          const int mx = x - c.rect.x;
          const int my = y - c.rect.y;
          const bool onMaterial = c.rect.width > 0 && c.rect.height > 0 && mx >= 0 &&
                                  mx < kMaterialSide && my >= 0 && my < kMaterialSide;
          const unsigned expected = onMaterial ? QuadrantColour(mx, my) : layer.pixel;
          const unsigned actual = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
          // A fully transparent pixel carries no colour.
          const bool same = (expected >> 24) == 0 ? (actual >> 24) == 0 : actual == expected;
          if (!same && wrong++ == 0) {
            ADD_FAILURE() << c.name << ", opacity " << layer.opacity << ": pixel " << x << "," << y
                          << " is " << std::hex << actual << ", expected " << expected;
          }
        }
      }
      EXPECT_EQ(wrong, 0) << c.name << ", opacity " << layer.opacity;
    }
  }
}

// The imaging library keeps pixels premultiplied, and the renderer draws the bitmap onto its
// own surface, which composites a translucent layer over itself once: alpha a becomes
// a + a(255 - a)/255, rounded, while the colour stays. Premultiplied storage rounds the colour
// by up to 2 per channel from opacity 20 up; below that the error grows quickly (109 at 2).
TEST_F(RendererTest, TranslucentLayerIsCompositedOverItselfOnce) {
  struct Case {
    ButtonState state;
    std::uint32_t colour;  // 0x00BBGGRR
    int opacity;
  };
  const std::array<Case, 3> cases{{
      {ButtonState::Normal, 0x00ECECEC, 160},
      {ButtonState::Lit, 0x00336699, 128},
      {ButtonState::Pressed, 0x000080FF, 20},
  }};
  constexpr int kChannelTolerance = 2;
  for (const Case& c : cases) {
    window().SetColour(ControlsOf(c.state).colourPicker, c.colour);
    SetOpacity(c.state, std::to_string(c.opacity));
  }
  RenderAllStates(window());
  for (const Case& c : cases) {
    const DecodedPicture picture = Decode(PictureOf(Design(), static_cast<int>(c.state)));
    const char* name = ControlsOf(c.state).canvas;
    ASSERT_TRUE(picture.valid) << name;
    const int expectedAlpha = c.opacity + (c.opacity * (255 - c.opacity) + 127) / 255;
    const std::array<int, 3> expectedColour{static_cast<int>(c.colour & 0xFF),
                                            static_cast<int>((c.colour >> 8) & 0xFF),
                                            static_cast<int>((c.colour >> 16) & 0xFF)};
    int worstChannel = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const testsupport::DecodedPixel p = picture.at(x, y);
        ASSERT_EQ(p.alpha, expectedAlpha) << name << " at opacity " << c.opacity;
        const std::array<int, 3> actual{p.red, p.green, p.blue};
        for (int channel = 0; channel < 3; ++channel) {
          worstChannel =
              std::max(worstChannel, std::abs(actual[channel] - expectedColour[channel]));
        }
      }
    }
    EXPECT_LE(worstChannel, kChannelTolerance) << name << " at opacity " << c.opacity;
  }
}

}  // namespace
}  // namespace design
