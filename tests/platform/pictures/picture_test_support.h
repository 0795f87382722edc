#pragma once

// Helpers for the tests of picture reading, shared by the imaging layer's and the toolkit's
// tests: fixture files, a GIF whose logical screen claims a given size, and the process's peak
// memory, which shows whether a claim was acted on before it was refused.

#include <sys/resource.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/runtime/bytes.h"
#include "tests/support/temp_run_directory.h"

namespace picturetest {

inline std::string FixturePath(const std::string& folder, const std::string& name) {
  return testsupport::SourceDir() + "/tests/fixtures/" + folder + "/" + name;
}

inline platform::Bytes FixtureBytes(const std::string& folder, const std::string& name) {
  std::ifstream in(FixturePath(folder, name), std::ios::binary);
  return platform::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A small GIF whose logical screen claims width x height; its one frame stays 40 x 30.
inline platform::Bytes GifWithScreen(int width, int height) {
  platform::Bytes gif = FixtureBytes("pictures", "gif-transparent.gif");
  if (gif.size() < 10) return gif;
  gif[6] = width & 0xFF;
  gif[7] = (width >> 8) & 0xFF;
  gif[8] = height & 0xFF;
  gif[9] = (height >> 8) & 0xFF;
  return gif;
}

// The most memory the process has held so far. Reading a picture should raise it by no more
// than its pixels need; a few hundred megabytes more means a header's claim was acted on.
inline std::int64_t PeakMemoryMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

constexpr std::int64_t kClaimActedOnMegabytes = 256;

}  // namespace picturetest
