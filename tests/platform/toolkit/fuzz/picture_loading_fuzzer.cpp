// Fuzzes the toolkit's picture loading as a material import walks it: any bytes are measured,
// and a picture that loads must have a size inside the limits.
//
// Build and run with clang:
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBRELVANE_FUZZ=ON
//   cmake --build build-fuzz --target picture_loading_fuzzer
//   build-fuzz/tests/platform/toolkit/fuzz/picture_loading_fuzzer corpus/ -max_len=65536 \
//     -rss_limit_mb=2048 -max_total_time=300
// Seed the corpus with the pictures of tests/fixtures/make-odd-pictures.sh and
// tests/fixtures/pictures; keep every crash or timeout it finds in tests/fixtures/hostile, where
// the loader's hostile-picture test reads it.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/pictures/picture_limits.h"
#include "platform/toolkit/window.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Like the program, with an application object: the icon and cursor readers are plug-ins.
  static QCoreApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int picture = platform::LoadPicture(platform::Bytes(data, data + size));
  if (picture == 0) return 0;
  const int width = platform::PictureWidth(picture);
  const int height = platform::PictureHeight(picture);
  if (width <= 0 || height <= 0 || !platform::pictures::PictureFitsLimits(width, height)) {
    std::abort();
  }
  return 0;
}
