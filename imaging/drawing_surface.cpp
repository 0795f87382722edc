#include "imaging/drawing_surface.h"

namespace imaging {

namespace {

using platform::gdiplus::DrawImageAbort;
using platform::gdiplus::kUnitPixel;

}  // namespace

DrawingSurface::~DrawingSurface() { DeleteGraphics(); }

Handle DrawingSurface::MirrorNativeHandle(Handle handle) {
  graphics_ = handle;
  return MirrorSurfaceHandle(handle);
}

template <auto Entry, typename... Args>
bool DrawingSurface::DrawWithImage(const ImageObject& image, Args... args) {
  const Handle picture = image.GetNativeHandle();
  if (!picture) return RecordStatus(platform::gdiplus::status::InvalidParameter);
  return CallAction<Entry>(graphics_, picture, args...);
}

bool DrawingSurface::DeleteGraphics() { return DeleteNative<&Api::GdipDeleteGraphics>(graphics_); }

void DrawingSurface::Flush(std::optional<std::int32_t> intention) {
  Invoke<&Api::GdipFlush>(graphics_, intention.value_or(0));
}

bool DrawingSurface::CreateFromWindow(void* window, std::optional<bool> colourManaged) {
  return colourManaged.value_or(false) ? CreateNative<&Api::GdipCreateFromHWNDICM>(window)
                                       : CreateNative<&Api::GdipCreateFromHWND>(window);
}

bool DrawingSurface::CreateFromDeviceContext(void* deviceContext, std::optional<void*> device) {
  return device ? CreateNative<&Api::GdipCreateFromHDC2>(deviceContext, *device)
                : CreateNative<&Api::GdipCreateFromHDC>(deviceContext);
}

bool DrawingSurface::CreateFromImage(const ImageObject& image) {
  return CreateNative<&Api::GdipGetImageGraphicsContext>(image.GetNativeHandle());
}

void* DrawingSurface::GetDC() { return CallQuery<void*, &Api::GdipGetDC>(graphics_); }

bool DrawingSurface::ReleaseDC(void* deviceContext) {
  return CallAction<&Api::GdipReleaseDC>(graphics_, deviceContext);
}

bool DrawingSurface::FillRectangleI(const SolidBrush& brush, std::int32_t x, std::int32_t y,
                                    std::int32_t width, std::int32_t height) {
  return CallAction<&Api::GdipFillRectangleI>(graphics_, brush.GetNativeHandle(), x, y, width,
                                              height);
}

bool DrawingSurface::DrawImage(const ImageObject& image, float x, float y) {
  return DrawWithImage<&Api::GdipDrawImage>(image, x, y);
}

bool DrawingSurface::DrawImageRect(const ImageObject& image, float x, float y, float width,
                                   float height, std::optional<std::int32_t> unit) {
  const auto sourceWidth = static_cast<float>(image.GetWidth());
  const auto sourceHeight = static_cast<float>(image.GetHeight());
  return DrawWithImage<&Api::GdipDrawImageRectRect>(
      image, x, y, width, height, 0.0f, 0.0f, sourceWidth, sourceHeight, unit.value_or(kUnitPixel),
      Handle{}, DrawImageAbort{}, static_cast<void*>(nullptr));
}

bool DrawingSurface::DrawImageRectI(const ImageObject& image, std::int32_t x, std::int32_t y,
                                    std::int32_t width, std::int32_t height,
                                    std::optional<std::int32_t> unit) {
  const std::int32_t sourceWidth = image.GetWidth();
  const std::int32_t sourceHeight = image.GetHeight();
  return DrawWithImage<&Api::GdipDrawImageRectRectI>(
      image, x, y, width, height, 0, 0, sourceWidth, sourceHeight, unit.value_or(kUnitPixel),
      Handle{}, DrawImageAbort{}, static_cast<void*>(nullptr));
}

}  // namespace imaging
