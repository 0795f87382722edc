#include "imaging/imaging_object_base.h"

namespace imaging {

Handle ImagingObjectBase::SetNativeHandle(Handle handle) {
  native_ = handle;
  return MirrorNativeHandle(handle);
}

void* ImagingObjectBase::LibraryAlloc(std::uint32_t size) { return ImagingApi().GdipAlloc(size); }

void ImagingObjectBase::LibraryFree(void* pointer) { ImagingApi().GdipFree(pointer); }

}  // namespace imaging
