#include "geometry/ArcGeometry.h"

#include <algorithm>

#include "geometry/IntMath.h"
#include "platform/CoreServices.h"

namespace zelmo {
namespace {

int32_t reduce(int64_t angle, int64_t turn) {
  const int64_t r = angle % turn;
  return static_cast<int32_t>(r < 0 ? r + turn : r);
}

// Every tenths value here is already reduced to 0..3599, so it fits the tables' 16-bit angle.
double cosTenths(int32_t tenths) { return osUTfastcos(static_cast<int16_t>(tenths)); }
double sinTenths(int32_t tenths) { return osUTfastsin(static_cast<int16_t>(tenths)); }

}  // namespace

int32_t normalisedDegrees(int64_t degrees) { return reduce(degrees, 360); }
int32_t normalisedTenths(int64_t tenths) { return reduce(tenths, 3600); }

APOINT pointOnEllipseTenths(int32_t x, int32_t y, int32_t w, int32_t h, int64_t tenths) {
  const int32_t t = normalisedTenths(tenths);
  const double a = w / 2.0;
  const double b = h / 2.0;
  const int32_t halfW = truncToInt32Low(a);  // the same as w / 2, and as trunc(a)
  const int32_t halfH = truncToInt32Low(b);
  switch (t) {
    case 0:
      return {add32(x, w), add32(y, halfH)};
    case 900:
      return {add32(x, halfW), y};
    case 1800:
      return {x, add32(y, halfH)};
    case 2700:
      return {add32(x, halfW), add32(y, h)};
    default:
      break;
  }
  if (w == 0) return {x, add32(y, halfH)};
  if (h == 0) return {add32(x, halfW), y};
  const double c = cosTenths(t);
  const double s = sinTenths(t);
  if (a == b) {
    return {add32(add32(x, halfW), truncToInt32Low(c * a)),
            sub32(add32(y, halfW), truncToInt32Low(s * a))};
  }
  const double r = a * b / osUTsqrt(b * b * c * c + a * a * s * s);
  return {add32(x, truncToInt32Low(r * c + a)), add32(y, truncToInt32Low(b - r * s))};
}

APOINT pointOnEllipseDegrees(int32_t x, int32_t y, int32_t w, int32_t h, int64_t degrees) {
  return pointOnEllipseTenths(x, y, w, h, int64_t{normalisedDegrees(degrees)} * 10);
}

APOINT pointOnCircle(int32_t x, int32_t y, int32_t radius, int64_t tenths) {
  const int32_t t = normalisedTenths(tenths);
  const int32_t diameter = add32(radius, radius);
  switch (t) {
    case 0:
      return {add32(x, diameter), add32(y, radius)};
    case 900:
      return {add32(x, radius), y};
    case 1800:
      return {x, add32(y, radius)};
    case 2700:
      return {add32(x, radius), add32(y, diameter)};
    default:
      break;
  }
  return {add32(add32(x, radius), truncToInt32Low(cosTenths(t) * radius)),
          sub32(add32(y, radius), truncToInt32Low(sinTenths(t) * radius))};
}

int32_t arcStep(int32_t radius) {
  constexpr int32_t kFinest = 3, kCoarsest = 30;
  // A radius of 0 has no polygon to step along; the coarsest step keeps the function total.
  if (radius == 0) return kCoarsest;
  const int64_t step = 32544 / (int64_t{71} * radius);
  return static_cast<int32_t>(std::clamp<int64_t>(step, kFinest, kCoarsest));
}

namespace {

enum Quadrant { kUpperRight, kUpperLeft, kLowerLeft, kLowerRight };

// The extremes of an ellipse in the order a counter-clockwise sweep meets them.
enum Extreme : uint8_t { kRight = 1, kTop = 2, kLeft = 4, kBottom = 8, kWhole = 15 };

Quadrant firstQuadrant(APOINT p, APOINT c) {
  if (p.x <= c.x && p.y <= c.y) return kUpperLeft;
  if (p.x >= c.x && p.y <= c.y) return kUpperRight;
  if (p.x >= c.x && p.y >= c.y) return kLowerRight;
  return kLowerLeft;
}

// A point straight above or below the centre, or on its row, belongs to the quadrant the sweep
// from the first point reaches it in.
Quadrant secondQuadrant(APOINT p, APOINT c, Quadrant first) {
  const bool firstOnLeft = first == kUpperLeft || first == kLowerLeft;
  if (p.x <= c.x && (firstOnLeft ? p.y <= c.y : p.y < c.y)) return kUpperLeft;
  if (p.x > c.x && p.y <= c.y) return kUpperRight;
  if (p.x > c.x && p.y > c.y) return kLowerRight;
  return kLowerLeft;
}

// The extremes passed from a point in one quadrant to a point in another (rows: the first
// point's quadrant, columns: the second's). Within one quadrant the sweep passes all four or
// none, which the order of the two points decides.
constexpr uint8_t kPassed[4][4] = {
    // to UR,            UL,                   LL,                    LR
    {0, kTop, kTop | kLeft, kTop | kLeft | kBottom},          // from upper right
    {kLeft | kBottom | kRight, 0, kLeft, kLeft | kBottom},    // from upper left
    {kBottom | kRight, kBottom | kRight | kTop, 0, kBottom},  // from lower left
    {kRight, kRight | kTop, kRight | kTop | kLeft, 0},        // from lower right
};

uint8_t passedExtremes(APOINT p1, APOINT p2, Quadrant q1, Quadrant q2) {
  if (q1 != q2) return kPassed[q1][q2];
  // Counter-clockwise, x falls in the upper half and rises in the lower half.
  const bool upper = q1 == kUpperRight || q1 == kUpperLeft;
  const bool allTheWayRound = upper ? p1.x <= p2.x : p2.x <= p1.x;
  return allTheWayRound ? kWhole : 0;
}

}  // namespace

POINTRECT arcBounds(APOINT centre, const POINTRECT& ellipse, APOINT p1, APOINT p2,
                    bool includeCentre) {
  POINTRECT box{std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x),
                std::max(p1.y, p2.y)};
  const Quadrant q1 = firstQuadrant(p1, centre);
  const uint8_t passed = passedExtremes(p1, p2, q1, secondQuadrant(p2, centre, q1));
  if (passed & kRight) box.x2 = ellipse.x2;
  if (passed & kTop) box.y1 = ellipse.y1;
  if (passed & kLeft) box.x1 = ellipse.x1;
  if (passed & kBottom) box.y2 = ellipse.y2;
  if (includeCentre) {
    box.x1 = std::min(box.x1, centre.x);
    box.y1 = std::min(box.y1, centre.y);
    box.x2 = std::max(box.x2, centre.x);
    box.y2 = std::max(box.y2, centre.y);
  }
  return box;
}

}  // namespace zelmo
