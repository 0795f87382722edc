#pragma once

// One graphics context of the imaging library, opened over an image, a window or a device
// context. Every method is one library call with the context first; its status becomes the
// last status.

#include <cstdint>
#include <optional>

#include "imaging/geometry.h"
#include "imaging/image_object.h"
#include "imaging/imaging_object_base.h"
#include "imaging/solid_brush.h"

namespace imaging {

class DrawingSurface : public ImagingObjectBase {
 public:
  DrawingSurface() = default;
  ~DrawingSurface() override;

  Handle GraphicsHandle() const { return graphics_; }

  // Opening and closing a context. A window or device context is whatever the library
  // accepts on this platform; where it accepts none, the creation answers its failing status.
  bool DeleteGraphics();
  // Stores no status and answers nothing.
  void Flush(std::optional<std::int32_t> intention = std::nullopt);
  bool CreateFromWindow(void* window, std::optional<bool> colourManaged = std::nullopt);
  bool CreateFromDeviceContext(void* deviceContext, std::optional<void*> device = std::nullopt);
  bool CreateFromImage(const ImageObject& image);
  void* GetDC();
  bool ReleaseDC(void* deviceContext);

  bool FillRectangleI(const SolidBrush& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height);

  // The image at its own size with its top-left corner at (x, y).
  bool DrawImage(const ImageObject& image, float x, float y);
  // The whole image scaled into the destination; the unit of the source rectangle is the pixel
  // (2) when omitted. An empty image draws nothing and answers false.
  bool DrawImageRect(const ImageObject& image, float x, float y, float width, float height,
                     std::optional<std::int32_t> unit = std::nullopt);
  bool DrawImageRectI(const ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, std::optional<std::int32_t> unit = std::nullopt);

 protected:
  Handle MirrorNativeHandle(Handle handle) override;
  virtual Handle MirrorSurfaceHandle(Handle handle) { return handle; }

 private:
  // The library is not safe with an empty image in every drawing call, so an empty image never
  // reaches it: the call answers false with InvalidParameter as the last status.
  template <auto Entry, typename... Args>
  bool DrawWithImage(const ImageObject& image, Args... args);

  Handle graphics_ = nullptr;
};

}  // namespace imaging
