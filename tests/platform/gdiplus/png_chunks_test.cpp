// The chunk walk that keeps PNG files with impossible chunk lengths from the reader.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/gdiplus/png_chunks.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

Bytes Cut(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(PngChunks, RefusesChunksLongerThanTheFile) {
  const Bytes valid = ReadFileBytes(FixturePath("pictures", "png-grey.png"));
  ASSERT_GT(valid.size(), 60u);
  struct Case {
    const char* name;
    Bytes bytes;
    bool fits;
  };
  const std::array cases{
      Case{"a whole file", valid, true},
      Case{"the signature alone", Cut(valid, 8), true},
      Case{"the last byte before the end chunk cut off", Cut(valid, valid.size() - 13), false},
      Case{"a text chunk claiming 1952776229 bytes",
           ReadFileBytes(FixturePath("hostile", "png-text-chunk-claims-1952776229-bytes.png")),
           false},
  };
  for (const Case& c : cases) EXPECT_EQ(PngChunksFit(c.bytes), c.fits) << c.name;
}

}  // namespace
}  // namespace gdiplus_test
