#pragma once

// One solid-colour brush of the imaging library. Colours are 0xAARRGGBB.

#include <cstdint>

#include "imaging/imaging_object_base.h"

namespace imaging {

using platform::gdiplus::Argb;

class SolidBrush : public ImagingObjectBase {
 public:
  SolidBrush() = default;
  ~SolidBrush() override;

  // The same library brush seen by the brush methods and by the solid-fill methods.
  Handle BrushHandle() const { return brush_; }
  Handle SolidFillHandle() const { return solidFill_; }

  bool DeleteBrush();
  // Hands a new, separate brush of the same colour to target.
  bool CloneBrush(ImagingObjectBase& target);
  // The library's brush type (0 for a solid colour); 0 when the call fails.
  std::int32_t GetBrushType() const;
  bool CreateSolidFill(Argb colour);
  bool SetSolidFillColor(Argb colour);
  // 0 when the call fails.
  Argb GetSolidFillColor() const;

 protected:
  Handle MirrorNativeHandle(Handle handle) override;
  virtual Handle MirrorSolidFillHandle(Handle handle);

 private:
  Handle brush_ = nullptr;
  Handle solidFill_ = nullptr;
};

}  // namespace imaging
