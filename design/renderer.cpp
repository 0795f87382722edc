#include "design/renderer.h"

#include "design/colour.h"
#include "design/design_state.h"
#include "imaging/drawing_surface.h"
#include "imaging/image_object.h"
#include "imaging/solid_brush.h"

namespace design {
void RenderState(platform::Window& window, ButtonState state) {
  const ButtonStateControls& row = ControlsOf(state);
  DesignState& design = Design();

  // Nothing is checked on the way: a step that fails leaves the next with nothing to work on,
  // and a failed picture ends up as empty bytes, which the previews show as no picture.
  // The surface is declared after the bitmap so that it is deleted before the bitmap it
  // draws into.
  imaging::ImageObject bitmap;
  imaging::DrawingSurface surface;
  imaging::SolidBrush brush;

  bitmap.CreateBitmap(window.Width(row.canvas), window.Height(row.canvas),
                      platform::gdiplus::kPixelFormat32bppArgb);
  surface.CreateFromImage(bitmap);
  brush.CreateSolidFill(
      ComposeArgb(window.Colour(row.colourPicker), OpacityFromText(window.Text(row.opacityBox))));
  surface.FillRectangleI(brush, 0, 0, window.Width(row.canvas), window.Height(row.canvas));
  surface.DrawImage(bitmap, 0.0F, 0.0F);
  const MaterialRect& rect = design.materialRect;
  surface.DrawImageRectI(design.materialImage, rect.x, rect.y, rect.width, rect.height);

  StatePicture& picture = PictureOf(design, static_cast<int>(state));
  picture = bitmap.SaveToBytes(std::string(imaging::kPngFormat));

  window.SetPicture(row.canvas, platform::PictureSlot::Background, picture);
  window.SetPicture(kDemoSuperButton, row.superButtonSlot, picture);
  window.SetPicture(kDemoPictureButton, row.pictureButtonSlot, picture);
}

void RenderNormal(platform::Window& window) { RenderState(window, ButtonState::Normal); }
void RenderLit(platform::Window& window) { RenderState(window, ButtonState::Lit); }
void RenderPressed(platform::Window& window) { RenderState(window, ButtonState::Pressed); }

void RenderAllStates(platform::Window& window) {
  for (const ButtonStateControls& row : kButtonStates) RenderState(window, row.state);
}

}  // namespace design
