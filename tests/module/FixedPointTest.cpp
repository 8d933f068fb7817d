// 8.8 fixed-point conversion of the canvas scale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/FixedPoint.h"

namespace zelmo {
namespace {

TEST(FixedPoint, RoundsHalfUpThenTruncatesTowardZero) {
  const struct {
    float in;
    int32_t out;
  } cases[] = {{1.0f, 256}, {0.5f, 128},  {1.999f, 512}, {-1.0f, -255},
               {0.0f, 0},   {-0.001f, 0}, {2.0f, 512},   {-2.5f, -639}};
  for (const auto& c : cases) EXPECT_EQ(toFixed88(c.in), c.out) << c.in;
}

TEST(FixedPoint, ValuesWithoutAnIntegerAreDefined) {
  EXPECT_EQ(toFixed88(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(toFixed88(std::numeric_limits<float>::infinity()), 0);
  // 2^24 * 256 fits in 64 bits; its low 32 bits are kept.
  EXPECT_EQ(toFixed88(16777216.0f), 0);
  EXPECT_EQ(toFixed88(8388608.0f), static_cast<int32_t>(0x80000000u));
}

}  // namespace
}  // namespace zelmo
