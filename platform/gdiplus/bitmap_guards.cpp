// Guards in front of the library's bitmap creation and pixel locking.

#include <cstring>

#include "platform/gdiplus/bitmap_limits.h"
#include "platform/gdiplus/handle_table.h"
#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus::layer {
namespace {

// The library writes 84 bytes into the 32-byte locked-data record and reads them back when
// unlocking, so it always gets a record of this size that the layer keeps until the unlock.
struct LockRecord {
  alignas(std::max_align_t) std::uint8_t bytes[128] = {};
  BitmapData* Data() { return reinterpret_cast<BitmapData*>(bytes); }
};
static_assert(sizeof(BitmapData) <= sizeof(LockRecord::bytes));

// Never destroyed: a bitmap may still be unlocked while the program exits.
HandleTable<LockRecord>& Locked() {
  static auto* records = new HandleTable<LockRecord>;
  return *records;
}

}  // namespace

Status GdipCreateBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                 PixelFormat format, std::uint8_t* scan0, Handle* bitmap) {
  if (!bitmap) return status::InvalidParameter;
  *bitmap = nullptr;
  if (width <= 0 || height <= 0) return status::InvalidParameter;
  if (!FitsBitmap(width, height)) return status::OutOfMemory;
  const Status made =
      Native().api.GdipCreateBitmapFromScan0(width, height, stride, format, scan0, bitmap);
  if (made != status::Ok) *bitmap = nullptr;
  return made;
}

Status GdipBitmapLockBits(Handle bitmap, const GpRect* rect, std::uint32_t flags,
                          PixelFormat format, BitmapData* data) {
  if (!data) return status::InvalidParameter;
  // The caller's record comes in too: with a caller-supplied buffer it names that buffer.
  LockRecord record;
  std::memcpy(record.bytes, data, sizeof(BitmapData));
  const Status locked = Native().api.GdipBitmapLockBits(bitmap, rect, flags, format, record.Data());
  if (locked != status::Ok) return locked;
  std::memcpy(data, record.bytes, sizeof(BitmapData));
  Locked().Remember(bitmap, record);
  return status::Ok;
}

Status GdipBitmapUnlockBits(Handle bitmap, BitmapData* data) {
  if (!data) return status::InvalidParameter;
  LockRecord record = Locked().Find(bitmap).value_or(LockRecord{});
  std::memcpy(record.bytes, data, sizeof(BitmapData));
  const Status unlocked = Native().api.GdipBitmapUnlockBits(bitmap, record.Data());
  if (unlocked == status::Ok) Locked().Forget(bitmap);
  return unlocked;
}

}  // namespace platform::gdiplus::layer
