#include "design/colour.h"

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

namespace design {
namespace {

TEST(ComposeArgbTest, SwapsRedAndBlueAndPutsTheOpacityOnTop) {
  struct Case {
    std::uint32_t colour;
    std::uint8_t alpha;
    std::uint32_t argb;
  };
  constexpr std::array<Case, 5> kCases{{
      {0x00336699, 128, 0x80996633},
      {0x00FF0000, 255, 0xFF0000FF},  // pure blue in toolkit form
      {0xFF123456, 0, 0x00563412},    // the toolkit colour's top byte is dropped
      {0x00ECECEC, 160, 0xA0ECECEC},
      {0x000000FF, 255, 0xFFFF0000},  // pure red
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(ComposeArgb(c.colour, c.alpha), c.argb) << std::hex << c.colour << " at " << +c.alpha;
  }
}

TEST(OpacityFromTextTest, KeepsTheLowEightBitsOfTheLeadingNumber) {
  struct Case {
    const char* text;
    std::uint8_t opacity;
  };
  constexpr std::array<Case, 8> kCases{{
      {"255", 255}, {"256", 0}, {"300", 44}, {"-1", 255}, {"", 0}, {"abc", 0}, {"12.7", 12},
      {"160", 160},
  }};
  for (const Case& c : kCases) EXPECT_EQ(OpacityFromText(c.text), c.opacity) << '"' << c.text << '"';
}

}  // namespace
}  // namespace design
