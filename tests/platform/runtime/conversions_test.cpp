#include "platform/runtime/conversions.h"

#include <array>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace {

using platform::TextToInt;
using platform::ToByte;

TEST(TextToIntTest, ReadsTheLeadingNumberAfterFoldingFullWidthForms) {
  struct Case {
    const char* text;
    std::int32_t expected;
  };
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::array<Case, 22> cases{{
      {"123", 123},
      {"  -45x", -45},
      {"+7", 7},
      {"", 0},
      {"abc", 0},
      {"12.7", 12},
      {"\t\r\n 8", 8},
      {"- 5", 0},  // the sign must touch the digits
      {"--5", 0},
      {"+", 0},
      {"007", 7},
      {"１２３", 123},
      {"－５", -5},
      {"＋４２", 42},
      {"\xE3\x80\x80\xE3\x80\x80"
       "9",
       9},  // ideographic spaces are blanks
      {"1２3x", 123},
      {"99999999999", 1215752191},  // 0x174876E7FF keeps its low 32 bits
      {"2147483648", kMin},
      {"2147483647", kMax},
      {"-2147483649", kMax},
      {"4294967296", 0},
      {"-0000000000000000000001", -1},  // leading zeros never overflow
  }};
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(ToByteTest, KeepsTheLowEightBits) {
  struct Case {
    std::int32_t value;
    std::uint8_t expected;
  };
  const std::array<Case, 6> cases{{{256, 0},
                                   {300, 44},
                                   {-1, 255},
                                   {255, 255},
                                   {0, 0},
                                   {std::numeric_limits<std::int32_t>::min(), 0}}};
  for (const Case& c : cases) {
    EXPECT_EQ(ToByte(c.value), c.expected) << "value: " << c.value;
  }
}

TEST(TextOfValueTest, IntegersAreDecimalAndTruthIsChinese) {
  EXPECT_EQ(platform::IntToText(-15527148), "-15527148");
  EXPECT_EQ(platform::IntToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(platform::BoolToText(true), "真");
  EXPECT_EQ(platform::BoolToText(false), "假");
}

}  // namespace
