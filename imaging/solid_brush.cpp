#include "imaging/solid_brush.h"

namespace imaging {

SolidBrush::~SolidBrush() { DeleteBrush(); }

Handle SolidBrush::MirrorNativeHandle(Handle handle) {
  brush_ = handle;
  return MirrorSolidFillHandle(handle);
}

Handle SolidBrush::MirrorSolidFillHandle(Handle handle) {
  solidFill_ = handle;
  return handle;
}

bool SolidBrush::DeleteBrush() { return DeleteNative<&Api::GdipDeleteBrush>(brush_); }

bool SolidBrush::CloneBrush(ImagingObjectBase& target) {
  return HandOverNative<&Api::GdipCloneBrush>(target, brush_);
}

std::int32_t SolidBrush::GetBrushType() const {
  return CallQuery<std::int32_t, &Api::GdipGetBrushType>(brush_);
}

bool SolidBrush::CreateSolidFill(Argb colour) {
  return CreateNative<&Api::GdipCreateSolidFill>(colour);
}

bool SolidBrush::SetSolidFillColor(Argb colour) {
  return CallAction<&Api::GdipSetSolidFillColor>(solidFill_, colour);
}

Argb SolidBrush::GetSolidFillColor() const {
  return CallQuery<Argb, &Api::GdipGetSolidFillColor>(solidFill_);
}

}  // namespace imaging
