// The null drawing service that tests, benchmarks and the fuzzer run the module against.
#include <gtest/gtest.h>

#include <climits>

#include "gx/Backend.h"

namespace gx {
namespace {

TEST(NullBackendTest, ALineBoxAtTheEdgeOfTheRangeStopsThere) {
  Backend backend;
  POINTRECT r{};
  backend.getLineBoundingRect({INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, 255, &r);
  EXPECT_EQ(r.x1, INT_MIN);
  EXPECT_EQ(r.y1, INT_MIN);
  EXPECT_EQ(r.x2, INT_MAX);
  EXPECT_EQ(r.y2, INT_MAX);
  backend.getLineBoundingRect({30, 5}, {10, 20}, 5, &r);
  EXPECT_EQ(r.x1, 8);
  EXPECT_EQ(r.y1, 3);
  EXPECT_EQ(r.x2, 32);
  EXPECT_EQ(r.y2, 22);
}

}  // namespace
}  // namespace gx
