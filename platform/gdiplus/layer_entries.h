#pragma once

// The layer's own entries of the function table: guards in front of library functions with
// known faults, and the functions the layer supplies itself. Each has exactly the signature of
// the entry it replaces.

#include "platform/gdiplus/gdiplus_api.h"

namespace platform::gdiplus::layer {

Status GdiplusStartup(std::uintptr_t* token, const StartupInput* input, void* output);
void GdiplusShutdown(std::uintptr_t token);

Status GdipCreateBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                 PixelFormat format, std::uint8_t* scan0, Handle* bitmap);
Status GdipBitmapLockBits(Handle bitmap, const GpRect* rect, std::uint32_t flags,
                          PixelFormat format, BitmapData* data);
Status GdipBitmapUnlockBits(Handle bitmap, BitmapData* data);

Status GdipCreateBitmapFromStream(Stream* stream, Handle* bitmap);
Status GdipCreateBitmapFromStreamICM(Stream* stream, Handle* bitmap);
Status GdipGetImageRawFormat(Handle image, Guid* format);
Status GdipDisposeImage(Handle image);

Status GdipSaveImageToStream(Handle image, Stream* stream, const Guid* encoder,
                             const EncoderParameters* parameters);

}  // namespace platform::gdiplus::layer
