// The integer geometry of canvas arcs: points on ellipses and circles, the thick-arc step and the
// box of an arc, the last checked against an oracle that sweeps the angles.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "geometry/ArcGeometry.h"

// The service's records are C structs in the global namespace, where lookup finds these.
inline bool operator==(const APOINT& a, const APOINT& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const POINTRECT& a, const POINTRECT& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}
inline void PrintTo(const APOINT& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
inline void PrintTo(const POINTRECT& r, std::ostream* os) {
  *os << "{" << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2 << "}";
}

namespace zelmo {
namespace {

TEST(ArcGeometryTest, AnglesReduceToOneTurnWithoutLooping) {
  EXPECT_EQ(normalisedDegrees(-90), 270);
  EXPECT_EQ(normalisedDegrees(720), 0);
  EXPECT_EQ(normalisedDegrees(INT_MIN), 232);
  EXPECT_EQ(normalisedDegrees(int64_t{INT_MAX} + INT_MAX), 254);  // a start plus an extent
  EXPECT_EQ(normalisedTenths(-1), 3599);
  EXPECT_EQ(normalisedTenths(INT64_MIN), 1792);
}

TEST(ArcGeometryTest, PointsOnEllipsesAndCircles) {
  const struct {
    int32_t x, y, w, h;
    int64_t degrees;
    APOINT expected;
  } cases[] = {
      // Right angles: 0 lies one pixel right of the box's last column.
      {10, 20, 100, 60, 0, {110, 50}},
      {10, 20, 100, 60, 90, {60, 20}},
      {10, 20, 100, 60, 180, {10, 50}},
      {10, 20, 100, 60, 270, {60, 80}},
      {10, 20, 100, 60, -90, {60, 80}},
      {10, 20, 100, 60, 450, {60, 20}},
      // A circle takes radius x cos, sin; an ellipse the radius at that polar angle.
      {0, 0, 100, 100, 45, {85, 15}},
      {0, 0, 100, 60, 45, {75, 4}},
      // A box with no width or height.
      {5, 5, 0, 40, 45, {5, 25}},
      {5, 5, 40, 0, 45, {25, 5}},
      // Negative sizes mirror.
      {100, 100, -100, -100, 45, {15, 85}},
      // Coordinates wrap at 32 bits.
      {INT_MAX, 0, 2, 10, 0, {INT_MIN + 1, 5}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pointOnEllipseDegrees(c.x, c.y, c.w, c.h, c.degrees), c.expected)
        << c.w << "x" << c.h << " at " << c.degrees;
    EXPECT_EQ(pointOnEllipseTenths(c.x, c.y, c.w, c.h, c.degrees * 10), c.expected);
  }
  const struct {
    int32_t radius;
    int64_t tenths;
    APOINT expected;
  } circle[] = {
      {10, 0, {20, 10}},    {10, 900, {10, 0}}, {10, 1800, {0, 10}},
      {10, 2700, {10, 20}}, {10, 450, {17, 3}}, {10, -900, {10, 20}},
  };
  for (const auto& c : circle)
    EXPECT_EQ(pointOnCircle(0, 0, c.radius, c.tenths), c.expected) << c.tenths;
}

TEST(ArcGeometryTest, HugeBoxesWrapInsteadOfOverflowing) {
  // r x c + a of these boxes lies far outside 32 bits; the sanitizer build checks the casts.
  for (const int64_t degrees : {1, 30, 135, 200, 359}) {
    pointOnEllipseDegrees(INT_MIN, INT_MIN, INT_MAX, INT_MIN, degrees);
    pointOnEllipseDegrees(INT_MAX, INT_MAX, INT_MAX, INT_MAX, degrees);
    pointOnCircle(INT_MAX, INT_MIN, INT_MAX, degrees * 10);
  }
}

TEST(ArcGeometryTest, ArcStepIsFinerForLargerCirclesWithinThreeToThirty) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1, 30}, {15, 30}, {16, 28}, {100, 4}, {152, 3}, {153, 3}, {INT_MAX, 3}, {-5, 3}, {0, 30},
  };
  for (const auto& [radius, step] : cases) EXPECT_EQ(arcStep(radius), step) << radius;
}

// The oracle: the counter-clockwise sweep from p1 to p2, seen from the centre with y up, and the
// axis extremes strictly inside it.
POINTRECT sweptBox(APOINT c, const POINTRECT& e, APOINT p1, APOINT p2, bool withCentre) {
  const auto angle = [&](APOINT p) {
    const double a = std::atan2(-(p.y - c.y), p.x - c.x) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
  };
  const double from = angle(p1);
  double sweep = angle(p2) - from;
  if (sweep < 0) sweep += 360;
  POINTRECT box{std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x),
                std::max(p1.y, p2.y)};
  for (const int extreme : {0, 90, 180, 270}) {
    double along = extreme - from;
    if (along < 0) along += 360;
    if (!(along > 0 && along < sweep)) continue;
    if (extreme == 0) box.x2 = e.x2;
    if (extreme == 90) box.y1 = e.y1;
    if (extreme == 180) box.x1 = e.x1;
    if (extreme == 270) box.y2 = e.y2;
  }
  if (withCentre) {
    box = {std::min(box.x1, c.x), std::min(box.y1, c.y), std::max(box.x2, c.x),
           std::max(box.y2, c.y)};
  }
  return box;
}

TEST(ArcGeometryTest, ArcBoundsOfEveryQuadrantPairMatchTheSweep) {
  const POINTRECT ellipse{0, 0, 199, 99};
  const APOINT centre{100, 50};
  // Two points off the axes in each quadrant, so each pair of quadrants comes in both orders
  // and each quadrant with itself both ways round.
  std::vector<APOINT> points;
  for (const int degrees : {30, 60, 120, 150, 210, 240, 300, 330})
    points.push_back(pointOnEllipseDegrees(0, 0, 200, 100, degrees));
  for (const APOINT& p1 : points) {
    for (const APOINT& p2 : points) {
      if (p1 == p2) continue;
      for (const bool withCentre : {false, true}) {
        EXPECT_EQ(arcBounds(centre, ellipse, p1, p2, withCentre),
                  sweptBox(centre, ellipse, p1, p2, withCentre))
            << "(" << p1.x << "," << p1.y << ") to (" << p2.x << "," << p2.y << ")";
      }
    }
  }
}

TEST(ArcGeometryTest, PointsOnTheAxesBelongToTheQuadrantTheSweepReachesThemIn) {
  const POINTRECT e{0, 0, 199, 99};
  const APOINT c{100, 50};
  const APOINT right{200, 50}, top{100, 0}, left{0, 50}, bottom{100, 100};
  // From the right extreme to the top: the top counts as reached, not passed.
  EXPECT_EQ(arcBounds(c, e, right, top, false), (POINTRECT{100, 0, 200, 50}));
  // From the top round to the right: left, bottom and right are passed, the right side
  // being the ellipse's last column.
  EXPECT_EQ(arcBounds(c, e, top, right, false), (POINTRECT{0, 0, 199, 99}));
  EXPECT_EQ(arcBounds(c, e, left, bottom, false), (POINTRECT{0, 50, 100, 100}));
  EXPECT_EQ(arcBounds(c, e, bottom, left, true), (POINTRECT{0, 0, 199, 100}));
}

}  // namespace
}  // namespace zelmo
