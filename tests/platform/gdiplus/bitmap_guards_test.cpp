// The guards in front of bitmap creation and pixel locking.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/gdiplus/bitmap_limits.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

TEST(BitmapGuards, RefusesSizesTheLibraryCannotDrawAndClearsTheHandle) {
  struct Case {
    std::int32_t width;
    std::int32_t height;
    Status expected;
  };
  constexpr std::array cases{
      Case{32767, 1, status::Ok},
      Case{1, 32767, status::Ok},
      Case{32768, 1, status::OutOfMemory},
      Case{1, 32768, status::OutOfMemory},
      Case{20000, 20000, status::OutOfMemory},
      Case{0, 10, status::InvalidParameter},
      Case{10, -1, status::InvalidParameter},
  };
  StartedLibrary started;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    Handle bitmap = &bitmap;
    EXPECT_EQ(Library().GdipCreateBitmapFromScan0(c.width, c.height, 0, kPixelFormat32bppArgb,
                                                  nullptr, &bitmap),
              c.expected);
    if (c.expected == status::Ok) {
      EXPECT_NE(bitmap, nullptr);
      Library().GdipDisposeImage(bitmap);
    } else {
      EXPECT_EQ(bitmap, nullptr);
    }
  }
}

// Sizes at the edge of the limits, decided without allocating anything.
TEST(BitmapGuards, LimitsAreASideOf32767AndAQuarterBillionPixels) {
  struct Case {
    std::int64_t width;
    std::int64_t height;
    bool fits;
  };
  constexpr std::array cases{
      Case{32767, 8192, true},    // just under 2^28 pixels
      Case{16384, 16384, true},   // exactly 2^28
      Case{16384, 16385, false},  // one row more
      Case{32768, 1, false},     Case{1, 32768, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::gdiplus::FitsBitmap(c.width, c.height), c.fits)
        << c.width << " x " << c.height;
  }
}

// The library writes far beyond the 32-byte locked-data record; the caller's memory after it
// must stay as it was.
TEST(BitmapGuards, LockingWritesOnlyTheLockedDataRecord) {
  StartedLibrary started;
  Handle bitmap = nullptr;
  ASSERT_EQ(Library().GdipCreateBitmapFromScan0(10, 10, 0, kPixelFormat32bppArgb, nullptr, &bitmap),
            status::Ok);
  struct Guarded {
    BitmapData data;
    std::array<std::uint8_t, 96> after;
  } guarded{};
  guarded.after.fill(0xAB);
  const GpRect whole{0, 0, 10, 10};
  ASSERT_EQ(Library().GdipBitmapLockBits(bitmap, &whole, kImageLockModeRead | kImageLockModeWrite,
                                         kPixelFormat32bppArgb, &guarded.data),
            status::Ok);
  EXPECT_EQ(guarded.data.Width, 10u);
  EXPECT_EQ(guarded.data.Stride, 40);
  EXPECT_NE(guarded.data.Scan0, nullptr);
  for (std::uint8_t byte : guarded.after) ASSERT_EQ(byte, 0xAB);
  static_cast<Argb*>(guarded.data.Scan0)[0] = 0xFF102030;
  EXPECT_EQ(Library().GdipBitmapUnlockBits(bitmap, &guarded.data), status::Ok);
  EXPECT_EQ(ReadPixels(bitmap).At(0, 0), 0xFF102030u);
  Library().GdipDisposeImage(bitmap);
}

}  // namespace
}  // namespace gdiplus_test
