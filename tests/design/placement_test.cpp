#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "design/alignment.h"

namespace design {
namespace {

TEST(PlaceTest, StartEndAndCentreTruncateTowardZero) {
  struct Case {
    Placement placement;
    std::int32_t layer;
    std::int32_t material;
    std::optional<std::int32_t> expected;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::array<Case, 9> kCases{{
      {Placement::Start, 200, 48, 0},
      {Placement::End, 200, 48, 152},
      {Placement::End, 100, 48, 52},
      {Placement::Centre, 200, 51, 74},
      {Placement::Centre, 100, 151, -25},  // truncated toward zero, not floored
      {Placement::End, 200, 250, -50},
      {Placement::Centre, 200, 0, 100},
      {Placement::Unchanged, 200, 48, std::nullopt},
      {Placement::Centre, kMax, -kMax, kMax},  // no overflow on the way
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(Place(c.placement, c.layer, c.material), c.expected)
        << static_cast<int>(c.placement) << " " << c.layer << " " << c.material;
  }
}

}  // namespace
}  // namespace design
