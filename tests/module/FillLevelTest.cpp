// The fill-level clip rectangle; more keys are checked through the shapes' gauges.
#include <gtest/gtest.h>

#include <climits>

#include "geometry/FillLevel.h"

namespace zelmo {
namespace {

// Box (10, 20, 110, 220): w = 100, h = 200, centre (60, 120).
constexpr Box kBox{10, 20, 110, 220};
constexpr Box kEdge{INT32_MAX - 10, 0, INT32_MAX, 10};

TEST(FillLevelArea, KeysAndExamples) {
  const struct {
    const char* what;
    Box box;
    int32_t percentH, percentV;
    uint8_t directionH, directionV;
    Box expected;
  } cases[] = {
      {"3 from the right", kBox, 30, 77, 3, 0, {80, 20, 110, 220}},
      {"16 by sign, right", kBox, 30, 77, 16, 0, {60, 20, 75, 220}},
      {"8 centred", kBox, 77, 25, 0, 8, {10, 95, 110, 145}},
      {"12 from the top", kBox, 77, 25, 0, 12, {10, 20, 110, 70}},
      {"40 by sign, down", kBox, 77, -25, 0, 40, {10, 120, 110, 145}},
      {"100 % fills the box", kBox, 100, 100, 1, 4, kBox},
      {"5 left + bottom", kBox, 30, 25, 1, 4, {10, 170, 40, 220}},
      {"10 centred + centred", kBox, 30, 25, 2, 8, {45, 95, 75, 145}},
      {"20 sign + bottom", kBox, 30, 25, 16, 4, {60, 170, 75, 220}},
      {"28 sign + top", kBox, -30, 25, 16, 12, {45, 20, 60, 70}},
      {"41 left + sign", kBox, 30, 25, 1, 40, {10, 95, 40, 120}},
      {"42 centred + sign", kBox, 30, -25, 2, 40, {45, 120, 75, 145}},
      {"56 sign + sign", kBox, 30, 25, 16, 40, {60, 95, 75, 120}},
      // Only the OR of the two bytes counts.
      {"codes in swapped bytes", kBox, 30, 25, 4, 1, {10, 170, 40, 220}},
      {"4 | 8 is from the top", kBox, 30, 25, 4, 8, {10, 20, 110, 70}},
      {"1 | 2 is from the right", kBox, 30, 25, 1, 2, {80, 20, 110, 220}},
      // A zero percentage on a named axis collapses that axis to 0..0.
      {"zero, horizontal", kBox, 0, 25, 2, 0, {0, 20, 0, 220}},
      {"zero, vertical", kBox, 30, 0, 0, 40, {10, 0, 110, 0}},
      {"zero on one of two axes", kBox, 0, 25, 1, 4, {0, 170, 0, 220}},
      {"zero on an unnamed axis", kBox, 30, 0, 1, 0, {10, 20, 40, 220}},
      // Not clamped.
      {"150 from the left", kBox, 150, 0, 1, 0, {10, 20, 160, 220}},
      {"-50 from the right", kBox, -50, 0, 3, 0, {160, 20, 110, 220}},
      {"300 centred", kBox, 300, 0, 2, 0, {-90, 20, 210, 220}},
      // Truncation toward zero: 350 / 200 = 1, -231 / 200 = -1, centre of -7 is -3.
      {"odd width centred", {0, 0, 7, 7}, 50, 0, 2, 0, {2, 0, 4, 7}},
      {"negative half", {0, 0, 7, 7}, -33, 0, 16, 0, {2, 0, 3, 7}},
      // -199 / 2 = -99, then / 100 = 0 (a floor would give -1).
      {"halved toward zero", {0, 0, 199, 9}, -1, 0, 16, 0, {99, 0, 99, 9}},
      {"inverted box", {10, 0, 3, 10}, 100, 0, 16, 0, {7, 0, 4, 10}},
      // 32-bit wrapping: 50 000 000 * 100 wraps to 705 032 704, INT32_MAX * 100 to -100.
      {"product wraps", {0, 0, 50000000, 10}, 100, 0, 1, 0, {0, 0, 7050327, 10}},
      {"widest box", {0, 0, INT32_MAX, 10}, 100, 0, 1, 0, {0, 0, -1, 10}},
      {"sum wraps", kEdge, 1000, 0, 1, 0, {INT32_MAX - 10, 0, INT32_MIN + 89, 10}},
      {"extreme percentages", {-5, -5, 5, 5}, INT32_MIN, INT32_MAX, 16, 40, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const Box b = computeFillLevelArea(c.box, c.percentH, c.percentV, c.directionH, c.directionV);
    EXPECT_EQ(b, c.expected) << c.what << ": got " << b.x1 << "," << b.y1 << "," << b.x2 << ","
                             << b.y2;
  }
}

TEST(FillLevelArea, OtherKeysLeaveTheWholeBox) {
  for (int key = 0; key < 256; ++key) {
    const bool known = (key >= 1 && key <= 16) || key == 20 || key == 24 || key == 28 ||
                       (key >= 40 && key <= 43) || key == 56;
    if (known) continue;
    EXPECT_EQ(computeFillLevelArea(kBox, 30, 25, uint8_t(key), 0), kBox) << key;
  }
  EXPECT_EQ(computeFillLevelArea(kBox, 30, 25, 16, 1), kBox);   // 17
  EXPECT_EQ(computeFillLevelArea(kBox, 30, 25, 4, 40), kBox);   // 44
  EXPECT_EQ(computeFillLevelArea(kBox, 30, 25, 16, 32), kBox);  // 48
}

}  // namespace
}  // namespace zelmo
