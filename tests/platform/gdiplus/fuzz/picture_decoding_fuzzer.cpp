// Fuzzes the imaging layer's decoding road as the program walks it: bytes in a stream become a
// bitmap, which is drawn twice (the library was seen to fail on the second drawing), its other
// frames are decoded, and it is disposed of.
//
// Build and run with clang (the option makes the fuzzer target and instruments the layer):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBRELVANE_FUZZ=ON
//   cmake --build build-fuzz --target picture_decoding_fuzzer
//   build-fuzz/tests/platform/gdiplus/fuzz/picture_decoding_fuzzer corpus/ \
//     -max_len=65536 -rss_limit_mb=2048 -max_total_time=300
// Seed the corpus with small pictures of every format (tests/fixtures/pictures); keep every
// crash or timeout it finds in tests/fixtures/hostile, where the hostile-picture tests read it.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/gdiplus/gdiplus_api.h"
#include "platform/gdiplus/image_registry.h"

using namespace platform::gdiplus;

namespace {

constexpr int kCanvasSide = 32;
constexpr int kFramesTried = 4;

void DrawTwice(Handle image) {
  Handle canvas = nullptr;
  Handle graphics = nullptr;
  if (Library().GdipCreateBitmapFromScan0(kCanvasSide, kCanvasSide, 0, kPixelFormat32bppArgb,
                                          nullptr, &canvas) != status::Ok) {
    return;
  }
  if (Library().GdipGetImageGraphicsContext(canvas, &graphics) == status::Ok) {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Library().GdipGetImageWidth(image, &width);
    Library().GdipGetImageHeight(image, &height);
    for (int i = 0; i < 2; ++i) {
      Library().GdipDrawImageRectRectI(
          graphics, image, 0, 0, kCanvasSide, kCanvasSide, 0, 0, static_cast<std::int32_t>(width),
          static_cast<std::int32_t>(height), kUnitPixel, nullptr, nullptr, nullptr);
    }
    Library().GdipDeleteGraphics(graphics);
  }
  Library().GdipDisposeImage(canvas);
}

}  // namespace

// Starting the library sets up its font configuration, which stays allocated for the life of
// the process; only leaks of the decoding road are of interest.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::uintptr_t token = 0;
  const StartupInput input{1, nullptr, 0, 0};
  Library().GdiplusStartup(&token, &input, nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryBlock block{platform::Bytes(data, data + size)};
  Stream stream(&block);
  Handle bitmap = nullptr;
  if (Library().GdipCreateBitmapFromStream(&stream, &bitmap) != status::Ok) return 0;
  DrawTwice(bitmap);
  for (int frame = 1; frame < std::min(FrameCountOf(bitmap), kFramesTried); ++frame) {
    DecodeFrameOf(bitmap, frame);
  }
  Library().GdipDisposeImage(bitmap);
  return 0;
}
