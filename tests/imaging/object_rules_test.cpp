// The rules every imaging object shares: start-up tokens, the handle rule, creation and
// clean-up, and how statuses reach the last status.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "imaging/drawing_surface.h"
#include "imaging/image_object.h"
#include "imaging/imaging.h"
#include "imaging/solid_brush.h"
#include "tests/imaging/imaging_test_support.h"

namespace {

using imaging::Handle;
using platform::gdiplus::Api;
using platform::gdiplus::FailingApi;
namespace status = platform::gdiplus::status;

std::vector<std::uintptr_t> shutdownTokens;

TEST(ImagingStartup, StopAfterTwoStartsShutsDownTheSecondAndLeavesTheLibraryUsable) {
  Api watched = platform::gdiplus::Library();
  watched.GdiplusShutdown = [](std::uintptr_t token) {
    shutdownTokens.push_back(token);
    platform::gdiplus::Library().GdiplusShutdown(token);
  };
  imaging::ScopedImagingApi watch(watched);
  shutdownTokens.clear();

  const std::uintptr_t first = imaging::StartImaging();
  const std::uintptr_t second = imaging::StartImaging();
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  EXPECT_EQ(imaging::StartupToken(), second);

  imaging::StopImaging();
  EXPECT_EQ(shutdownTokens, std::vector<std::uintptr_t>{second});
  EXPECT_EQ(imaging::StartupToken(), 0u);

  imaging::ImageObject bitmap;
  EXPECT_TRUE(imagingtest::MakeFilledBitmap(bitmap, 4, 3, 0xFF102030));
  EXPECT_EQ(imagingtest::Pixels(bitmap).pixel(3, 2), 0xFF102030u);

  platform::gdiplus::Library().GdiplusShutdown(first);  // balance the start-up the module forgot
}

TEST(ImagingStartup, RefusedStartAnswersZero) {
  const Api refusing = FailingApi(status::GenericError);
  imaging::ScopedImagingApi refuse(refusing);
  EXPECT_EQ(imaging::StartImaging(), 0u);
  EXPECT_EQ(imaging::StartupToken(), 0u);
}

// Per class: how to read every handle field, how to give it a native object (over target where
// it needs one), and its clean-up method.
struct ImageKind {
  using Object = imaging::ImageObject;
  static std::vector<Handle> Handles(const Object& o) {
    return {o.GetNativeHandle(), o.ImageHandle(), o.BitmapHandle()};
  }
  static bool CleanUp(Object& o) { return o.Dispose(); }
  static bool Create(Object& o, imaging::ImageObject&) { return o.CreateBitmap(8, 8); }
};
struct SurfaceKind {
  using Object = imaging::DrawingSurface;
  static std::vector<Handle> Handles(const Object& o) {
    return {o.GetNativeHandle(), o.GraphicsHandle()};
  }
  static bool CleanUp(Object& o) { return o.DeleteGraphics(); }
  static bool Create(Object& o, imaging::ImageObject& target) {
    return target.CreateBitmap(8, 8) && o.CreateFromImage(target);
  }
};
struct BrushKind {
  using Object = imaging::SolidBrush;
  static std::vector<Handle> Handles(const Object& o) {
    return {o.GetNativeHandle(), o.BrushHandle(), o.SolidFillHandle()};
  }
  static bool CleanUp(Object& o) { return o.DeleteBrush(); }
  static bool Create(Object& o, imaging::ImageObject&) { return o.CreateSolidFill(0xFF00FF00); }
};

template <typename Kind>
class ImagingObjectRules : public testing::Test {};
using Kinds = testing::Types<ImageKind, SurfaceKind, BrushKind>;
TYPED_TEST_SUITE(ImagingObjectRules, Kinds);

TYPED_TEST(ImagingObjectRules, SetNativeHandleReachesEveryFieldAndCleanUpEmptiesThem) {
  // A stand-in handle must never reach the real library, so the clean-up goes to a table that
  // only answers a status.
  const Api inert = FailingApi(status::InvalidParameter);
  imaging::ScopedImagingApi scoped(inert);
  typename TypeParam::Object object;
  const auto fake = reinterpret_cast<Handle>(std::uintptr_t{0x5A5A0});

  EXPECT_EQ(object.SetNativeHandle(fake), fake);
  for (Handle h : TypeParam::Handles(object)) EXPECT_EQ(h, fake);

  EXPECT_FALSE(TypeParam::CleanUp(object)) << "the library's failure is the answer";
  EXPECT_EQ(imaging::LastStatus(), status::InvalidParameter);
  for (Handle h : TypeParam::Handles(object)) EXPECT_EQ(h, nullptr);
}

TYPED_TEST(ImagingObjectRules, CleanUpOfAnEmptyObjectAnswersFalseAndKeepsTheLastStatus) {
  typename TypeParam::Object never;
  imaging::SetLastStatus(status::ValueOverflow);
  EXPECT_FALSE(TypeParam::CleanUp(never));
  EXPECT_EQ(imaging::LastStatus(), status::ValueOverflow);

  imaging::ImageObject target;
  typename TypeParam::Object twice;
  ASSERT_TRUE(TypeParam::Create(twice, target));
  EXPECT_TRUE(TypeParam::CleanUp(twice));
  imaging::SetLastStatus(status::ValueOverflow);
  EXPECT_FALSE(TypeParam::CleanUp(twice));
  EXPECT_EQ(imaging::LastStatus(), status::ValueOverflow);
}

TEST(ImagingObjectRules, FailedCreationLeavesTheObjectEmptyWithTheLibrarysStatus) {
  const platform::Bytes png = imagingtest::Encode(imagingtest::PatternPicture(3, 2), "PNG");
  struct Case {
    const char* name;
    bool (*create)(const platform::Bytes& png, std::vector<Handle>& handles);
  };
  const std::array cases{
      Case{"CreateBitmap",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::ImageObject o;
             const bool ok = o.CreateBitmap(10, 10);
             handles = ImageKind::Handles(o);
             return ok;
           }},
      Case{"LoadFromBytes",
           [](const platform::Bytes& bytes, std::vector<Handle>& handles) {
             imaging::ImageObject o;
             const bool ok = o.LoadFromBytes(bytes);
             handles = ImageKind::Handles(o);
             return ok;
           }},
      Case{"LoadFromBytes colour-managed",
           [](const platform::Bytes& bytes, std::vector<Handle>& handles) {
             imaging::ImageObject o;
             const bool ok = o.LoadFromBytes(bytes, true);
             handles = ImageKind::Handles(o);
             return ok;
           }},
      Case{"CreateFromImage",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::ImageObject image;
             imaging::DrawingSurface o;
             const bool ok = o.CreateFromImage(image);
             handles = SurfaceKind::Handles(o);
             return ok;
           }},
      Case{"CreateFromWindow",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::DrawingSurface o;
             const bool ok = o.CreateFromWindow(nullptr, true);
             handles = SurfaceKind::Handles(o);
             return ok;
           }},
      Case{"CreateFromDeviceContext",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::DrawingSurface o;
             const bool ok = o.CreateFromDeviceContext(nullptr);
             handles = SurfaceKind::Handles(o);
             return ok;
           }},
      Case{"CreateSolidFill",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::SolidBrush o;
             const bool ok = o.CreateSolidFill(0xFFFFFFFF);
             handles = BrushKind::Handles(o);
             return ok;
           }},
      Case{"CloneBrush into a new brush",
           [](const platform::Bytes&, std::vector<Handle>& handles) {
             imaging::SolidBrush source;
             imaging::SolidBrush o;
             const bool ok = source.CloneBrush(o);
             handles = BrushKind::Handles(o);
             return ok;
           }},
  };

  const Api failing = FailingApi(status::Win32Error);
  imaging::ScopedImagingApi scoped(failing);
  for (const Case& c : cases) {
    imaging::SetLastStatus(status::Ok);
    std::vector<Handle> handles;
    EXPECT_FALSE(c.create(png, handles)) << c.name;
    EXPECT_EQ(imaging::LastStatus(), status::Win32Error) << c.name;
    for (Handle h : handles) EXPECT_EQ(h, nullptr) << c.name;
  }
}

TEST(ImagingObjectRules, QueriesOfEmptyObjectsAnswerZero) {
  const imaging::ImageObject image;
  const imaging::SolidBrush brush;
  imaging::DrawingSurface surface;
  EXPECT_EQ(image.GetWidth(), 0);
  EXPECT_EQ(image.GetHeight(), 0);
  EXPECT_EQ(image.GetRawFormat(), "");
  EXPECT_EQ(brush.GetSolidFillColor(), 0u);
  EXPECT_EQ(brush.GetBrushType(), 0);
  EXPECT_EQ(surface.GetDC(), nullptr);
  EXPECT_NE(imaging::LastStatus(), status::Ok);
}

TEST(ImagingObjectRules, LibraryAllocAndFreeGoThroughTheLibrary) {
  imaging::SolidBrush brush;
  void* block = brush.LibraryAlloc(64);
  ASSERT_NE(block, nullptr);
  static_cast<unsigned char*>(block)[63] = 1;
  brush.LibraryFree(block);
}

}  // namespace
