#include "platform/gdiplus/png_encoder.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace platform::gdiplus {
namespace {

constexpr int kFastestCompression = 1;

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

void Append(png_structp png, png_bytep data, std::size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  bool grown = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    grown = false;
  }
  // Outside the handler: leaving it by a long jump would leak the exception.
  if (!grown) png_error(png, "out of memory");
}

void Flush(png_structp) {}

// Holds only plain values, so that libpng's long jump on error skips no destructor.
bool WriteImage(png_structp png, png_infop info, const ArgbPixels& pixels, Bytes* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width),
               static_cast<png_uint_32>(pixels.height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, kFastestCompression);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_write_info(png, info);
  png_set_bgr(png);
  for (int y = 0; y < pixels.height; ++y) {
    png_write_row(png, pixels.scan0 + y * pixels.stride);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<Bytes> EncodePng(const ArgbPixels& pixels) {
  if (!pixels.scan0 || pixels.width <= 0 || pixels.height <= 0) return std::nullopt;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  Bytes out;
  const bool written = info && WriteImage(png, info, pixels, &out);
  png_destroy_write_struct(&png, &info);
  if (!written) return std::nullopt;
  return out;
}

}  // namespace platform::gdiplus
