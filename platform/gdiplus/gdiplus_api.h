#pragma once

// The imaging library's flat API as one typed table. Every entry is resolved by name when the
// library is opened; entries the layer guards or supplies point at the layer's own functions
// (see gdiplus_library.cpp). An entry the library does not export answers a failing status
// instead of calling through a null pointer. To add a function, add one line to the list.

#include <cstddef>

#include "platform/gdiplus/gdiplus_types.h"
#include "platform/gdiplus/stream.h"

namespace platform::gdiplus {

// X(return type, name, parameter list)
#define BRELVANE_GDIPLUS_FUNCTIONS(X)                                                          \
  X(Status, GdiplusStartup, (std::uintptr_t * token, const StartupInput* input, void* output)) \
  X(void, GdiplusShutdown, (std::uintptr_t token))                                             \
  X(void*, GdipAlloc, (std::size_t size))                                                      \
  X(void, GdipFree, (void* pointer))                                                           \
  /* images and bitmaps */                                                                     \
  X(Status, GdipCreateBitmapFromScan0,                                                         \
    (std::int32_t width, std::int32_t height, std::int32_t stride, PixelFormat format,         \
     std::uint8_t * scan0, Handle * bitmap))                                                   \
  X(Status, GdipCreateBitmapFromStream, (Stream * stream, Handle * bitmap))                    \
  X(Status, GdipCreateBitmapFromStreamICM, (Stream * stream, Handle * bitmap))                 \
  X(Status, GdipDisposeImage, (Handle image))                                                  \
  X(Status, GdipGetImageWidth, (Handle image, std::uint32_t * width))                          \
  X(Status, GdipGetImageHeight, (Handle image, std::uint32_t * height))                        \
  X(Status, GdipGetImageRawFormat, (Handle image, Guid * format))                              \
  X(Status, GdipGetImageEncodersSize, (std::uint32_t * count, std::uint32_t * size))           \
  X(Status, GdipGetImageEncoders,                                                              \
    (std::uint32_t count, std::uint32_t size, ImageCodecInfo * encoders))                      \
  X(Status, GdipSaveImageToStream,                                                             \
    (Handle image, Stream * stream, const Guid* encoder, const EncoderParameters* parameters)) \
  X(Status, GdipBitmapLockBits,                                                                \
    (Handle bitmap, const GpRect* rect, std::uint32_t flags, PixelFormat format,               \
     BitmapData* data))                                                                        \
  X(Status, GdipBitmapUnlockBits, (Handle bitmap, BitmapData * data))                          \
  /* graphics contexts */                                                                      \
  X(Status, GdipGetImageGraphicsContext, (Handle image, Handle * graphics))                    \
  X(Status, GdipCreateFromHWND, (void* window, Handle* graphics))                              \
  X(Status, GdipCreateFromHWNDICM, (void* window, Handle* graphics))                           \
  X(Status, GdipCreateFromHDC, (void* dc, Handle* graphics))                                   \
  X(Status, GdipCreateFromHDC2, (void* dc, void* device, Handle* graphics))                    \
  X(Status, GdipDeleteGraphics, (Handle graphics))                                             \
  X(Status, GdipGetDC, (Handle graphics, void** dc))                                           \
  X(Status, GdipReleaseDC, (Handle graphics, void* dc))                                        \
  X(Status, GdipFlush, (Handle graphics, std::int32_t intention))                              \
  X(Status, GdipFillRectangleI,                                                                \
    (Handle graphics, Handle brush, std::int32_t x, std::int32_t y, std::int32_t width,        \
     std::int32_t height))                                                                     \
  X(Status, GdipDrawImage, (Handle graphics, Handle image, Real x, Real y))                    \
  X(Status, GdipDrawImageRectRect,                                                             \
    (Handle graphics, Handle image, Real dstx, Real dsty, Real dstwidth, Real dstheight,        \
     Real srcx, Real srcy, Real srcwidth, Real srcheight, Unit srcUnit, Handle attributes,     \
     DrawImageAbort callback, void* callbackData))                                             \
  X(Status, GdipDrawImageRectRectI,                                                            \
    (Handle graphics, Handle image, std::int32_t dstx, std::int32_t dsty,                      \
     std::int32_t dstwidth, std::int32_t dstheight, std::int32_t srcx, std::int32_t srcy,      \
     std::int32_t srcwidth, std::int32_t srcheight, Unit srcUnit, Handle attributes,           \
     DrawImageAbort callback, void* callbackData))                                             \
  /* brushes */                                                                                \
  X(Status, GdipCreateSolidFill, (Argb color, Handle * brush))                                 \
  X(Status, GdipSetSolidFillColor, (Handle brush, Argb color))                                 \
  X(Status, GdipGetSolidFillColor, (Handle brush, Argb * color))                               \
  X(Status, GdipGetBrushType, (Handle brush, std::int32_t * type))                             \
  X(Status, GdipCloneBrush, (Handle brush, Handle * clone))                                    \
  X(Status, GdipDeleteBrush, (Handle brush))

struct Api {
#define BRELVANE_GDIPLUS_MEMBER(ret, name, params) ret(*name) params = nullptr;
  BRELVANE_GDIPLUS_FUNCTIONS(BRELVANE_GDIPLUS_MEMBER)
#undef BRELVANE_GDIPLUS_MEMBER
};

// The process-wide table over the opened library. Opening happens on the first call; when the
// library cannot be opened, one line goes to standard error and every entry answers a failing
// status (GdiplusNotInitialized for calls that answer a status, null for GdipAlloc).
const Api& Library();

// True when libgdiplus was opened and its start-up function was found.
bool LibraryAvailable();

// A table whose every entry answers a failing status: the base for tests that hand the
// imaging objects a table that fails on purpose.
Api FailingApi(Status failure);

}  // namespace platform::gdiplus
