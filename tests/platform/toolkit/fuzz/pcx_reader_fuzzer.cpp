// Fuzzes the PCX reader: any bytes are measured and decoded, and a decoded picture must have
// the size its header gives and stay within the toolkit's limits.
//
// Build and run with clang:
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DBRELVANE_FUZZ=ON
//   cmake --build build-fuzz --target pcx_reader_fuzzer
//   build-fuzz/tests/platform/toolkit/fuzz/pcx_reader_fuzzer corpus/ -max_len=4096 \
//     -rss_limit_mb=2048 -max_total_time=300
// Seed the corpus with the .pcx files of tests/fixtures/make-odd-pictures.sh; turn every crash
// or timeout it finds into a case of tests/platform/toolkit/pcx_reader_test.cpp.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "platform/pictures/picture_limits.h"
#include "platform/toolkit/pcx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const std::optional<platform::PcxHeader> header = platform::ReadPcxHeader(bytes);
  const bool complete = header && platform::PcxPixelDataComplete(bytes, *header);
  const std::optional<QImage> image = platform::DecodePcx(bytes);
  if (!image) return 0;
  if (!complete || image->width() != header->width || image->height() != header->height ||
      !platform::pictures::PictureFitsLimits(image->width(), image->height())) {
    std::abort();
  }
  return 0;
}
