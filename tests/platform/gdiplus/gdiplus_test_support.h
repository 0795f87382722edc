#pragma once

// Helpers shared by the imaging layer's tests: a started library, fixture files, decoding
// through the layer's table, and pixels read back from a bitmap.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gdiplus/gdiplus_api.h"
#include "platform/runtime/bytes.h"
#include "tests/support/temp_run_directory.h"

namespace gdiplus_test {

using namespace platform::gdiplus;
using platform::Bytes;

// Starts the library for one test and balances that start-up afterwards.
class StartedLibrary {
 public:
  StartedLibrary() { status_ = Library().GdiplusStartup(&token_, &kInput, nullptr); }
  ~StartedLibrary() { Library().GdiplusShutdown(token_); }
  StartedLibrary(const StartedLibrary&) = delete;
  StartedLibrary& operator=(const StartedLibrary&) = delete;
  Status status() const { return status_; }

  static constexpr StartupInput kInput{1, nullptr, 0, 0};

 private:
  std::uintptr_t token_ = 0;
  Status status_;
};

inline std::string FixturePath(const std::string& folder, const std::string& name) {
  return testsupport::SourceDir() + "/tests/fixtures/" + folder + "/" + name;
}

inline Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Decodes through the layer's table, as the image objects do.
inline Status DecodeBytes(const Bytes& bytes, Handle* bitmap) {
  MemoryBlock block{bytes};
  Stream stream(&block);
  return Library().GdipCreateBitmapFromStream(&stream, bitmap);
}

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<Argb> argb;  // row after row
  Argb At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

inline Pixels ReadPixels(Handle bitmap) {
  Pixels pixels;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  Library().GdipGetImageWidth(bitmap, &width);
  Library().GdipGetImageHeight(bitmap, &height);
  const GpRect whole{0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
  BitmapData locked{};
  if (Library().GdipBitmapLockBits(bitmap, &whole, kImageLockModeRead, kPixelFormat32bppArgb,
                                   &locked) != status::Ok) {
    return pixels;
  }
  pixels.width = static_cast<int>(width);
  pixels.height = static_cast<int>(height);
  pixels.argb.resize(static_cast<std::size_t>(width) * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::memcpy(&pixels.argb[y * width],
                static_cast<const std::uint8_t*>(locked.Scan0) + y * locked.Stride, width * 4);
  }
  Library().GdipBitmapUnlockBits(bitmap, &locked);
  return pixels;
}

// True when every channel is within tolerance; for an expected alpha of 0 only the alpha
// counts, since a fully transparent pixel has no colour.
inline bool NearArgb(Argb actual, Argb expected, int tolerance) {
  const int shifts[] = {24, 16, 8, 0};
  for (int shift : shifts) {
    if ((expected >> 24) == 0 && shift != 24) break;
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) return false;
  }
  return true;
}

// Draws the image twice, scaled, into a new bitmap: the library was seen to fail on the
// second drawing of some pictures. Answers the second drawing's status.
inline Status DrawTwice(Handle image) {
  Handle canvas = nullptr;
  Handle graphics = nullptr;
  Library().GdipCreateBitmapFromScan0(64, 64, 0, kPixelFormat32bppArgb, nullptr, &canvas);
  Library().GdipGetImageGraphicsContext(canvas, &graphics);
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  Library().GdipGetImageWidth(image, &width);
  Library().GdipGetImageHeight(image, &height);
  Status drawn = status::Ok;
  for (int i = 0; i < 2; ++i) {
    drawn = Library().GdipDrawImageRectRectI(
        graphics, image, 0, 0, 64, 64, 0, 0, static_cast<std::int32_t>(width),
        static_cast<std::int32_t>(height), kUnitPixel, nullptr, nullptr, nullptr);
  }
  Library().GdipDeleteGraphics(graphics);
  Library().GdipDisposeImage(canvas);
  return drawn;
}

}  // namespace gdiplus_test
