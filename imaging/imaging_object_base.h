#pragma once

// The common base of the objects that wrap one native object of the imaging library. The
// object owns its native object: it cannot be copied or moved, so no two objects ever delete
// the same one, and making a second native object is an explicit method (a clone).

#include <cstddef>
#include <cstdint>

#include "imaging/library_call.h"

namespace imaging {

class ImagingObjectBase {
 public:
  ImagingObjectBase(const ImagingObjectBase&) = delete;
  ImagingObjectBase& operator=(const ImagingObjectBase&) = delete;
  // Each class's destructor runs its own clean-up: a base destructor cannot reach it.
  virtual ~ImagingObjectBase() = default;

  // The handle other objects hand to the library when they take this object as an argument.
  Handle GetNativeHandle() const { return native_; }
  // Stores handle as the native handle and in every handle field of the class; answers what
  // MirrorNativeHandle answers. Takes over the native object without deleting a previous one.
  Handle SetNativeHandle(Handle handle);

  void* LibraryAlloc(std::uint32_t size);
  void LibraryFree(void* pointer);

 protected:
  ImagingObjectBase() = default;

  // Copies handle into the class's own handle fields; answers the handle.
  virtual Handle MirrorNativeHandle(Handle handle) = 0;

  // Creation: the library writes the new handle into a value that starts at 0 (so a failed
  // creation leaves the object empty even where the library writes nothing), and the object
  // takes whatever was written.
  template <auto Entry, typename... Args>
  bool CreateNative(Args... args) {
    Handle created = nullptr;
    const bool ok = RecordStatus(Invoke<Entry>(args..., &created));
    SetNativeHandle(created);
    return ok;
  }

  // Deletion: an empty object answers false without a call and leaves the last status alone;
  // otherwise the object is empty afterwards whatever the library answered.
  template <auto Entry>
  bool DeleteNative(Handle handle) {
    if (!handle) return false;
    const bool ok = RecordStatus(Invoke<Entry>(handle));
    SetNativeHandle(nullptr);
    return ok;
  }

  // Handing over: a second native object made by the library goes to target, whose previous
  // handle is overwritten, not deleted.
  template <auto Entry, typename... Args>
  static bool HandOverNative(ImagingObjectBase& target, Args... args) {
    Handle made = nullptr;
    const bool ok = RecordStatus(Invoke<Entry>(args..., &made));
    target.SetNativeHandle(made);
    return ok;
  }

 private:
  Handle native_ = nullptr;
};

}  // namespace imaging
