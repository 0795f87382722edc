// The loaded imaging library and the function table over it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "platform/gdiplus/native_library.h"
#include "platform/gdiplus/picture_format.h"
#include "platform/gdiplus/shared_library.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

// Fails when what was loaded is not a working flat API: a wrong or broken library would
// otherwise only show as empty pictures.
TEST(ImagingLibrary, IsAWorkingFlatApiThatListsAPngEncoder) {
  ASSERT_TRUE(LibraryAvailable());
  StartedLibrary started;
  ASSERT_EQ(started.status(), status::Ok);
  std::uint32_t count = 0;
  std::uint32_t size = 0;
  ASSERT_EQ(Library().GdipGetImageEncodersSize(&count, &size), status::Ok);
  ASSERT_GT(count, 0u);
  ASSERT_EQ(size % sizeof(ImageCodecInfo), 0u) << "encoder records are not 104 bytes";
  std::vector<ImageCodecInfo> encoders(size / sizeof(ImageCodecInfo));
  ASSERT_EQ(Library().GdipGetImageEncoders(count, size, encoders.data()), status::Ok);
  EXPECT_TRUE(std::any_of(encoders.begin(), encoders.end(), [](const ImageCodecInfo& codec) {
    return SameGuid(codec.FormatID, format_id::Png);
  }));
}

// A misspelt name in the list would silently answer NotImplemented; only the functions the
// library is known to lack may be missing.
TEST(ImagingLibrary, ExportsEveryListedFunctionButTheKnownGaps) {
  const std::set<std::string> knownGaps{"GdipComment", "GdipDrawCachedBitmap",
                                        "GdipGetRegionBoundsI", "GdipBitmapApplyEffect",
                                        "GdipCreateBitmapFromGdiDib"};
  const char* const names[] = {"libgdiplus.so.0"};
  const auto library = SharedLibrary::Open(names);
  ASSERT_TRUE(library);
  std::vector<std::string> missing;
  ResolveNative(*library, &missing);
  for (const std::string& name : missing) EXPECT_TRUE(knownGaps.count(name)) << name;
}

TEST(ImagingLibrary, OpeningFailsWithEveryNameTried) {
  const char* const names[] = {"libbrelvane-absent.so.0", "libbrelvane-absent.so"};
  std::string error;
  EXPECT_FALSE(SharedLibrary::Open(names, &error));
  EXPECT_NE(error.find("libbrelvane-absent.so.0, libbrelvane-absent.so"), std::string::npos)
      << error;
}

// A library that exports none of the functions (here the compression library): every entry
// still answers, and nothing calls through a null pointer.
TEST(ImagingLibrary, FunctionsTheLibraryLacksAnswerNotImplemented) {
  const char* const names[] = {"libz.so.1"};
  const auto library = SharedLibrary::Open(names);
  ASSERT_TRUE(library);
  std::vector<std::string> missing;
  const NativeLibrary native = ResolveNative(*library, &missing);
  EXPECT_FALSE(native.available);
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "GdipCreateBitmapFromScan0"), 1);
  Handle bitmap = &bitmap;
  EXPECT_EQ(native.api.GdipCreateBitmapFromScan0(1, 1, 0, kPixelFormat32bppArgb, nullptr, &bitmap),
            status::NotImplemented);
  EXPECT_EQ(bitmap, nullptr);
  EXPECT_EQ(native.api.GdipAlloc(16), nullptr);
  native.api.GdiplusShutdown(1);
  EXPECT_EQ(native.only.GdipSaveImageToDelegate_linux(nullptr, nullptr, nullptr, nullptr, nullptr,
                                                      nullptr, nullptr, nullptr),
            status::NotImplemented);
}

TEST(ImagingLibrary, FailingTableAnswersItsStatusAndEmptiesOutHandles) {
  struct Case {
    Status asked;
    Status answered;
  };
  constexpr std::array cases{
      Case{status::GenericError, status::GenericError},
      Case{status::OutOfMemory, status::OutOfMemory},
      Case{status::GdiplusNotInitialized, status::GdiplusNotInitialized},
      Case{status::PropertyNotSupported, status::PropertyNotSupported},
      Case{999, status::GenericError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("asked for status " + std::to_string(c.asked));
    const Api api = FailingApi(c.asked);
    Handle handle = &handle;
    EXPECT_EQ(api.GdipCreateBitmapFromScan0(1, 1, 0, kPixelFormat32bppArgb, nullptr, &handle),
              c.answered);
    EXPECT_EQ(handle, nullptr);
    handle = &handle;
    EXPECT_EQ(api.GdipGetImageGraphicsContext(nullptr, &handle), c.answered);
    EXPECT_EQ(handle, nullptr);
    std::uintptr_t token = 7;
    EXPECT_EQ(api.GdiplusStartup(&token, &StartedLibrary::kInput, nullptr), c.answered);
    EXPECT_EQ(token, 0u);
    EXPECT_EQ(api.GdipAlloc(8), nullptr);
  }
}

}  // namespace
}  // namespace gdiplus_test
