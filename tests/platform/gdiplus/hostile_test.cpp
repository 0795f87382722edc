// Damaged and hostile pictures: each loads as a failure or as a correct picture, and drawing
// what loaded crashes nothing.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/gdiplus/bitmap_limits.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"
#include "tests/platform/pictures/picture_test_support.h"

namespace gdiplus_test {
namespace {

struct HostileCase {
  std::string name;
  Bytes bytes;
  Status expected;  // Ok stands for "either a failure or a correct picture"
};

Bytes RandomBytes(std::size_t count) {
  std::mt19937 generator(20240611);
  Bytes bytes(count);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(generator());
  return bytes;
}

Bytes FirstHalf(Bytes bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

std::vector<HostileCase> HostileCases() {
  const auto picture = [](const char* file) {
    return ReadFileBytes(FixturePath("pictures", file));
  };
  std::vector<HostileCase> cases{
      {"empty bytes", {}, status::InvalidParameter},
      {"random bytes", RandomBytes(4096), status::InvalidParameter},
      {"half a PNG", FirstHalf(picture("png-16bit-alpha.png")), status::OutOfMemory},
      {"half a GIF", FirstHalf(picture("gif-animated.gif")), status::Ok},
      {"half a TIFF", FirstHalf(picture("tiff-pages.tif")), status::Ok},
      {"PNG claiming 100000 x 100000", picture("png-claims-100000x100000.png"),
       status::OutOfMemory},
      {"GIF screen claiming 65535 x 65535", picture("gif-screen-claims-65535x65535.gif"),
       status::OutOfMemory},
      {"GIF frame claiming 65535 x 65535", picture("gif-frame-claims-65535x65535.gif"), status::Ok},
      // Its reader reports the frame's size yet decodes the whole screen: half a gigabyte.
      {"GIF screen claiming 11000 x 11000", picturetest::GifWithScreen(11000, 11000),
       status::OutOfMemory},
      {"PNG text chunk claiming 1952776229 bytes",
       ReadFileBytes(FixturePath("hostile", "png-text-chunk-claims-1952776229-bytes.png")),
       status::OutOfMemory},
  };
  // Every file of the hostile folder: the pictures that broke the library, and whatever
  // fuzzing found since.
  for (const auto& entry : std::filesystem::directory_iterator(FixturePath("hostile", ""))) {
    cases.push_back({entry.path().filename().string(), ReadFileBytes(entry.path()), status::Ok});
  }
  return cases;
}

// A refusal comes before the memory a header claims is set aside, not after.
TEST(HostilePictures, LoadAsAFailureOrACorrectPictureAndDrawSafely) {
  StartedLibrary started;
  const std::vector<HostileCase> cases = HostileCases();
  ASSERT_GT(cases.size(), 10u) << "the hostile fixtures are missing";
  const std::int64_t peakBefore = picturetest::PeakMemoryMegabytes();
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    Handle bitmap = &bitmap;
    const Status loaded = DecodeBytes(c.bytes, &bitmap);
    EXPECT_LT(picturetest::PeakMemoryMegabytes() - peakBefore, picturetest::kClaimActedOnMegabytes);
    if (c.expected != status::Ok) {
      EXPECT_EQ(loaded, c.expected);
    }
    if (loaded != status::Ok) {
      EXPECT_EQ(bitmap, nullptr);
      continue;
    }
    const Pixels pixels = ReadPixels(bitmap);
    EXPECT_GT(pixels.width, 0);
    EXPECT_TRUE(FitsBitmap(pixels.width, pixels.height));
    EXPECT_EQ(DrawTwice(bitmap), status::Ok);
    EXPECT_EQ(Library().GdipDisposeImage(bitmap), status::Ok);
  }
}

}  // namespace
}  // namespace gdiplus_test
