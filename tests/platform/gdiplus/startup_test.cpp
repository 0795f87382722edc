// Start-ups counted by the layer, over a stand-in library and over the real one.

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#include "platform/gdiplus/startup_counter.h"
#include "tests/platform/gdiplus/gdiplus_test_support.h"

namespace gdiplus_test {
namespace {

struct CounterCase {
  const char* name;
  // 'S' starts up; a digit n shuts down with the token of the n-th start-up (from 1); 'x'
  // shuts down with a token never given.
  std::string_view steps;
  int libraryStarts;
  int libraryStops;
};

constexpr std::array kCounterCases{
    CounterCase{"one start-up, one shut-down", "S1", 1, 1},
    CounterCase{"two start-ups, one shut-down keep it started", "SS2", 1, 0},
    CounterCase{"two start-ups balanced in any order", "SS12", 1, 1},
    CounterCase{"a token shut down twice counts once", "SS11", 1, 0},
    CounterCase{"an unknown token does nothing", "Sx", 1, 0},
    CounterCase{"starts again after a full shut-down", "S1S", 2, 1},
};

TEST(StartupCounter, StartsAndStopsTheLibraryOnlyAtTheEnds) {
  for (const CounterCase& c : kCounterCases) {
    SCOPED_TRACE(c.name);
    int starts = 0;
    int stops = 0;
    StartupCounter counter([&](std::uintptr_t*, const StartupInput*, void*) { return ++starts, 0; },
                           [&](std::uintptr_t) { ++stops; });
    std::vector<std::uintptr_t> tokens;
    for (char step : c.steps) {
      if (step == 'S') {
        std::uintptr_t token = 0;
        ASSERT_EQ(counter.Startup(&token, &StartedLibrary::kInput, nullptr), status::Ok);
        EXPECT_NE(token, 0u);
        for (std::uintptr_t given : tokens) EXPECT_NE(token, given);
        tokens.push_back(token);
      } else {
        counter.Shutdown(step == 'x' ? 0xBAD : tokens.at(static_cast<std::size_t>(step - '1')));
      }
    }
    EXPECT_EQ(starts, c.libraryStarts);
    EXPECT_EQ(stops, c.libraryStops);
  }
}

TEST(StartupCounter, RefusesWhatTheLibraryRefusesAndCountsNoFailure) {
  struct Case {
    const char* name;
    bool withToken;
    StartupInput input;
    bool withInput;
    Status libraryAnswer;
    Status expected;
  };
  constexpr std::array cases{
      Case{"no token", false, {1, nullptr, 0, 0}, true, status::Ok, status::InvalidParameter},
      Case{"no input", true, {1, nullptr, 0, 0}, false, status::Ok, status::InvalidParameter},
      Case{"version 3",
           true,
           {3, nullptr, 0, 0},
           true,
           status::Ok,
           status::UnsupportedGdiplusVersion},
      Case{"library fails",
           true,
           {1, nullptr, 0, 0},
           true,
           status::GenericError,
           status::GenericError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int stops = 0;
    StartupCounter counter(
        [&](std::uintptr_t*, const StartupInput*, void*) { return c.libraryAnswer; },
        [&](std::uintptr_t) { ++stops; });
    std::uintptr_t token = 5;
    EXPECT_EQ(
        counter.Startup(c.withToken ? &token : nullptr, c.withInput ? &c.input : nullptr, nullptr),
        c.expected);
    if (c.withToken) {
      EXPECT_EQ(token, 0u);
    }
    counter.Shutdown(0);
    counter.Shutdown(1);
    EXPECT_EQ(stops, 0);
  }
}

// The program starts the library twice and shuts it down once; drawing must still work.
TEST(StartupCounter, TwoStartupsAndOneShutdownLeaveTheLibraryUsable) {
  StartedLibrary first;
  std::uintptr_t second = 0;
  ASSERT_EQ(Library().GdiplusStartup(&second, &StartedLibrary::kInput, nullptr), status::Ok);
  Library().GdiplusShutdown(second);

  Handle bitmap = nullptr;
  Handle graphics = nullptr;
  Handle brush = nullptr;
  ASSERT_EQ(Library().GdipCreateBitmapFromScan0(8, 6, 0, kPixelFormat32bppArgb, nullptr, &bitmap),
            status::Ok);
  ASSERT_EQ(Library().GdipGetImageGraphicsContext(bitmap, &graphics), status::Ok);
  ASSERT_EQ(Library().GdipCreateSolidFill(0xFF336699, &brush), status::Ok);
  EXPECT_EQ(Library().GdipFillRectangleI(graphics, brush, 0, 0, 8, 6), status::Ok);
  EXPECT_EQ(Library().GdipDeleteBrush(brush), status::Ok);
  EXPECT_EQ(Library().GdipDeleteGraphics(graphics), status::Ok);
  const Pixels pixels = ReadPixels(bitmap);
  ASSERT_EQ(pixels.argb.size(), 48u);
  EXPECT_EQ(pixels.At(7, 5), 0xFF336699u);
  EXPECT_EQ(Library().GdipDisposeImage(bitmap), status::Ok);
}

}  // namespace
}  // namespace gdiplus_test
