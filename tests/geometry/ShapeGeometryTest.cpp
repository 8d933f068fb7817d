// The pure geometry of moves, rotations and percent resizes: centres, rounding, the group's new
// box and point mapping, the rectangle's and the polyline's resize, and point-list rotation with
// its exact quarter turns, far points and hostile values.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/PointListResize.h"
#include "geometry/PointListRotation.h"
#include "geometry/RectangleResize.h"
#include "geometry/ShapeGeometry.h"

namespace zelmo {
namespace {

TEST(ShapeGeometry, CenterOfDropsTheLastPixelOfAnOddSpan) {
  const struct {
    int32_t a, b, expected;
  } cases[] = {{0, 4, 2},    {0, 5, 2},    {3, 10, 6}, {10, 3, 6},
               {-5, -1, -3}, {-5, -2, -4}, {7, 7, 7},  {INT32_MIN, INT32_MAX, INT32_MAX}};
  for (const auto& c : cases) EXPECT_EQ(centerOf(c.a, c.b), c.expected) << c.a << ".." << c.b;
}

TEST(ShapeGeometry, RoundHalfUpRoundsPositiveHalvesAndTruncatesNegatives) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double v;
    int32_t expected;
  } cases[] = {{2.5, 3},          {2.4, 2},     {0.5, 1}, {-2.7, -2}, {-2.5, -2},
               {32767.5, -32768}, {65537.0, 2}, {nan, 0}, {1e12, 1},  {-1e12, 0}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfUp(c.v), c.expected) << c.v;
}

TEST(ShapeGeometry, MapPointScalesBetweenBoxesAndTakesAZeroSpanAsOne) {
  double px = 50, py = 0;
  mapPoint(px, py, {0, 0, 99, 99}, {0, 0, 100, 100});
  EXPECT_DOUBLE_EQ(px, 5000.0 / 99);
  EXPECT_DOUBLE_EQ(py, 0);
  px = 11, py = 10;
  mapPoint(px, py, {10, 10, 10, 10}, {20, 30, 40, 50});
  EXPECT_DOUBLE_EQ(px, 40);  // (40 - 20) / 1.0 * (11 - 10) + 20
  EXPECT_DOUBLE_EQ(py, 30);
}

TEST(ShapeGeometry, ResizeExtentByCode) {
  const Box orig{0, 0, 99, 99};
  const struct {
    int32_t percent;
    int8_t code;
    Box expected;
  } cases[] = {
      {100, 6, {0, 0, 100, 99}},  // continuous: one pixel wider at 100 %
      {50, 1, {24, 0, 74, 99}},   // centre 49, half 25
      {50, 2, {49, 0, 99, 99}},
      {50, 3, {0, 49, 99, 99}},
      {50, 4, {0, 24, 99, 74}},
      {50, 5, {0, 0, 99, 50}},
      {50, 0, orig},
      {50, 7, orig},
      {-50, 6, {0, 0, -50, 99}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(resizeExtent(orig, orig, c.percent, c.code), c.expected)
        << c.percent << " % code " << int{c.code};
  // Sizes past 32 bits wrap rather than overflow.
  resizeExtent({0, 0, 1, 1}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, INT32_MAX, 1);
}

TEST(ShapeGeometry, MemberShiftMapsTheAnchoredPointOfTheDesignBox) {
  const Box group{0, 0, 99, 99};
  const Box wider = resizeExtent(group, group, 100, 6);  // 0..100: continuous
  const struct {
    Box member;
    Box groupNew;
    int8_t code;
    Point expected;
  } cases[] = {
      {{50, 10, 59, 19}, wider, 6, {1, 0}},  // 50 * 100 / 99 = 50.505 rounds to 51
      {{0, 10, 9, 19}, wider, 6, {0, 0}},
      {{50, 10, 59, 19}, {0, 0, 49, 99}, 5, {-25, 0}},   // top-left at 50 * 49 / 99 = 24.7
      {{50, 10, 59, 19}, {50, 0, 99, 99}, 2, {20, 0}},   // right edge 59 to 79.2
      {{50, 10, 59, 19}, {0, 0, 99, 49}, 3, {0, 10}},    // bottom 19 to 9.4: up 10
      {{40, 40, 59, 59}, {25, 25, 75, 75}, 1, {1, -5}},  // centre 49 to 49.7; top-left y 45.2
      {{40, 40, 59, 59}, {0, 25, 99, 75}, 4, {0, -1}},   // centre 49 to 49.7
  };
  for (const auto& c : cases)
    EXPECT_EQ(memberShift(c.member, group, c.groupNew, c.code), c.expected) << int{c.code};
}

RectangleGeometry rectangle(Box box, Box orig) {
  return {box,
          orig,
          0,
          0,
          {centerOf(box.x1, box.x2), centerOf(box.y1, box.y2)},
          {centerOf(orig.x1, orig.x2), centerOf(orig.y1, orig.y2)}};
}

TEST(RectangleResize, CountsInclusivePixelsPerCode) {
  const Box b10{10, 10, 19, 19};
  const Box b100{0, 0, 99, 98};
  const struct {
    const char* what;
    Box box, orig;
    int32_t px;
    int8_t cx;
    int32_t py;
    int8_t cy;
    Box expected;
    int32_t width, height;
  } cases[] = {
      {"100 % centred keeps the box", b10, b10, 100, 1, 100, 4, b10, 10, 10},
      {"right edge kept", b100, b100, 50, 2, 0, 0, {50, 0, 99, 98}, 50, 0},
      {"even width, odd height, centred", b100, b100, 50, 1, 50, 4, {25, 25, 74, 73}, 50, 49},
      {"0 % left kept: one pixel at the edge", b100, b100, 0, 6, 0, 0, {0, 0, 0, 98}, 0, 0},
      {"0 % bottom kept", b100, b100, 0, 0, 0, 3, {0, 98, 99, 98}, 0, 0},
      {"0 % top kept", b100, b100, 0, 0, 0, 5, {0, 0, 99, 0}, 0, 0},
      {"a vertical code horizontally writes only the width", b100, b100, 50, 3, 0, 0, b100, 50, 0},
      {"full 32-bit percent", {0, 0, 9, 9}, {0, 0, 9, 9}, 70000, 6, 0, 0, {0, 0, 6999, 9}, 7000, 0},
      {"16-bit edges: a wrapped edge is clamped",
       {32700, 0, 32709, 9},
       {0, 0, 9, 9},
       2000,
       6,
       0,
       0,
       {32700, 0, 32700, 9},
       200,
       0},
  };
  for (const auto& c : cases) {
    RectangleGeometry r = rectangle(c.box, c.orig);
    resizeRectangle(r, c.px, c.cx, c.py, c.cy);
    EXPECT_EQ(r.box, c.expected) << c.what;
    EXPECT_EQ(r.width, c.width) << c.what;
    EXPECT_EQ(r.height, c.height) << c.what;
  }
}

TEST(RectangleResize, EdgeAnchorsMoveTheCentreAndCentringKeepsIt) {
  RectangleGeometry r = rectangle({0, 0, 99, 99}, {0, 0, 99, 99});
  r.center = {5, 6};
  resizeRectangle(r, 50, 2, 50, 5);
  EXPECT_EQ(r.center, (Point{74, 24}));  // 99 + (49 - 99) * 50 / 100, 0 + (49 - 0) * 50 / 100
  resizeRectangle(r, 30, 1, 30, 4);
  EXPECT_EQ(r.center, (Point{74, 24}));
}

// A three-point polyline designed in the box 10..50 x 20..60 (centre 30, 40; even spans).
const std::vector<int32_t> kBase = {10, 20, 30, 25, 50, 60};
constexpr Box kOrig{10, 20, 50, 60};

std::vector<int32_t> scaled(const ResizeFrame& frame, AxisResize h, AxisResize v,
                            std::vector<int32_t> target = {-1, -1, -1, -1, -1, -1}) {
  scalePointList(3, kBase.data(), target.data(), frame, h, v);
  return target;
}

TEST(PolyLineResize, HundredPercentGivesTheDesignBackWithEveryAnchor) {
  const ResizeFrame frame{kOrig, kOrig, {30, 40}, {30, 40}};
  for (const auto& [h, v] : {std::pair{6, 5}, std::pair{1, 4}, std::pair{2, 3}})
    EXPECT_EQ(scaled(frame, {static_cast<int8_t>(h), 100}, {static_cast<int8_t>(v), 100}), kBase)
        << h << ", " << v;
}

TEST(PolyLineResize, PointsScaleTowardsTheirAnchor) {
  // Right edge kept on a box moved by 100: a point one left of the design edge stays one left.
  const std::vector<int32_t> base = {49, 20};
  std::vector<int32_t> t = {0, 0};
  scalePointList(1, base.data(), t.data(), {{110, 20, 150, 60}, kOrig, {30, 40}, {130, 40}},
                 {2, 100}, {0, 0});
  EXPECT_EQ(t, (std::vector<int32_t>{149, 0}));

  // 0 % collapses every point onto the kept edge, never past it.
  EXPECT_EQ(scaled({kOrig, kOrig, {30, 40}, {30, 40}}, {0, 0}, {5, 0}, {7, 7, 7, 7, 7, 7}),
            (std::vector<int32_t>{7, 20, 7, 20, 7, 20}));

  // Centred, 50 %, even span: two left of the centre lands on the centre (the odd rule's +1).
  const std::vector<int32_t> nearCentre = {28, 0, 33, 0};
  t = {0, 0, 0, 0};
  scalePointList(2, nearCentre.data(), t.data(), {kOrig, kOrig, {30, 40}, {30, 40}}, {1, 50},
                 {0, 0});
  EXPECT_EQ(t, (std::vector<int32_t>{30, 0, 31, 0}));  // 30 + (7 * 50) / 200

  // Centred, odd span 10..51 (centre 30).
  const std::vector<int32_t> odd = {20, 0, 40, 0};
  scalePointList(2, odd.data(), t.data(), {{10, 0, 51, 9}, {10, 0, 51, 9}, {30, 4}, {30, 4}},
                 {1, 50}, {0, 0});
  EXPECT_EQ(t, (std::vector<int32_t>{26, 0, 35, 0}));
}

TEST(PolyLineResize, CodesOfTheOtherAxisAndUnknownCodesTouchNothing) {
  const ResizeFrame frame{kOrig, kOrig, {30, 40}, {30, 40}};
  const std::vector<int32_t> untouched = {-1, -1, -1, -1, -1, -1};
  EXPECT_EQ(scaled(frame, {4, 50}, {6, 50}), untouched);
  EXPECT_EQ(scaled(frame, {9, 50}, {-3, 50}), untouched);
  // Null lists touch no point but still give the centre the anchor asks for.
  EXPECT_EQ(scalePointList(3, nullptr, nullptr, frame, {6, 50}, {0, 0}), (Point{20, 40}));
  // Extreme values wrap.
  const std::vector<int32_t> far = {INT32_MAX, INT32_MIN};
  std::vector<int32_t> t = {0, 0};
  scalePointList(1, far.data(), t.data(), {kOrig, kOrig, {INT32_MIN, 0}, {INT32_MAX, 0}},
                 {1, 32767}, {4, -32768});
}

// Exact sine and cosine of tenths of a degree, and the square root.
const TrigFunctions kTrig{[](int16_t t) { return std::sin(t / 10.0 * M_PI / 180.0); },
                          [](int16_t t) { return std::cos(t / 10.0 * M_PI / 180.0); },
                          [](double v) { return std::sqrt(v); }};

std::vector<int32_t> rotated(int32_t angle, std::vector<int32_t> xy, Point centre, Point target,
                             Point* newCentre = nullptr) {
  const auto c = rotatePointList(turnOf(angle, kTrig), static_cast<int32_t>(xy.size() / 2), centre,
                                 target, xy.data(), xy.data(), kTrig.squareRoot);
  if (newCentre && c) *newCentre = *c;
  return xy;
}

TEST(Rotation, AnglesToTenthsOfADegree) {
  EXPECT_EQ(tenthsOfDegree(-785), 3150);
  EXPECT_EQ(tenthsOfDegree(785), 449);
  EXPECT_EQ(tenthsOfDegree(1000), 572);
  tenthsOfDegree(INT32_MIN);  // no overflow: only the low 16 bits count
  tenthsOfDegree(INT32_MAX);
}

TEST(Rotation, QuarterTurnsAreExactAndRoundEvenForNegativePoints) {
  Point c{};
  EXPECT_EQ(rotated(1570, {10, 0, 20, 0}, {10, 0}, {10, 0}, &c),
            (std::vector<int32_t>{10, 0, 10, 10}));
  EXPECT_EQ(c, (Point{10, 5}));
  EXPECT_EQ(rotated(3141, {15, 10}, {10, 10}, {10, 10}), (std::vector<int32_t>{5, 10}));
  EXPECT_EQ(rotated(-1570, {20, 0}, {10, 0}, {10, 0}), (std::vector<int32_t>{10, -10}));
  EXPECT_EQ(rotated(-3141, {15, 10}, {10, 10}, {10, 10}), (std::vector<int32_t>{5, 10}));
  EXPECT_EQ(rotated(4711, {20, 0}, {10, 0}, {10, 0}), (std::vector<int32_t>{10, -10}));
  EXPECT_EQ(rotated(-4711, {20, 0}, {10, 0}, {10, 0}), (std::vector<int32_t>{10, 10}));
  // No turn leaves every point where it was, negative ones included.
  const std::vector<int32_t> points = {-7, -3, 5, -12, -1, 9};
  for (int32_t angle : {0, 6282, -6282}) EXPECT_EQ(rotated(angle, points, {0, 0}, {0, 0}), points);
}

TEST(Rotation, OtherAnglesTruncateAndMoveTheCentreToTheTarget) {
  // An eighth turn (s = 449): 70.83 and 70.59 truncate.
  EXPECT_EQ(rotated(785, {100, 0}, {0, 0}, {0, 0}), (std::vector<int32_t>{70, 70}));
  EXPECT_EQ(rotated(-785, {100, 0}, {0, 0}, {0, 0}), (std::vector<int32_t>{70, -70}));
  // A point on the centre lands on the target; the others follow it.
  EXPECT_EQ(rotated(785, {5, 5, 5, 5}, {5, 5}, {100, 200}),
            (std::vector<int32_t>{100, 200, 100, 200}));
  EXPECT_EQ(rotated(0, {5, 5, 6, 7}, {5, 5}, {100, 200}),
            (std::vector<int32_t>{100, 200, 101, 202}));
}

TEST(Rotation, FarPointsKeepTheirDistanceAndWrapTo16Bits) {
  // 46341 px out a 32-bit square goes negative; here it stays exact.
  EXPECT_EQ(rotated(3141, {46341, 0}, {0, 0}, {0, 0}), (std::vector<int32_t>{19195, 0}));
  EXPECT_EQ(rotated(1570, {0, 0, 46341, 0}, {0, 0}, {0, 0}),
            (std::vector<int32_t>{0, 0, 0, -19195}));
  // 32-bit extremes and any angle: no overflow, results cut to 16 bits.
  for (int32_t angle : {INT32_MIN, INT32_MAX, 785, 0}) {
    for (int32_t xy : rotated(angle, {INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX},
                              {INT32_MIN, INT32_MAX}, {INT32_MAX, INT32_MIN}))
      EXPECT_TRUE(xy >= -32768 && xy <= 32767);
  }
  EXPECT_FALSE(rotatePointList(turnOf(0, kTrig), 0, {}, {}, nullptr, nullptr, kTrig.squareRoot));
}

}  // namespace
}  // namespace zelmo
