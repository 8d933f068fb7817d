#include "geometry/TenthDegreeRotation.h"

#include <limits>

#include "geometry/Angles.h"
#include "geometry/IntMath.h"
#include "platform/CoreServices.h"

namespace zelmo {

namespace {

// Low 32 bits of −trunc(v), with trunc to 64 bits as truncToInt32Low takes it.
int32_t negatedTruncLow32(double v) {
  return static_cast<int32_t>(0u - static_cast<uint32_t>(truncToInt32Low(v)));
}

// The value of pi the polar form has always used; prepared angles depend on it.
constexpr double kPi = static_cast<double>(3.1415f);

}  // namespace

int32_t turnedX(int32_t radius, int32_t tenths) {
  return truncToInt32Low(osUTfastcos(static_cast<int16_t>(tenths)) * radius);
}

int32_t turnedY(int32_t radius, int32_t tenths) {
  return negatedTruncLow32(osUTfastsin(static_cast<int16_t>(tenths)) * radius);
}

Polar polarOf(int32_t x, int32_t y) {
  int32_t angle;
  if (x == 0) {
    angle = y > 0 ? 2700 : 900;
  } else {
    const auto t = static_cast<float>(osUTatan(static_cast<double>(y) / x));
    // |t| <= pi/2, so a stays near +-900.
    const auto a = static_cast<int32_t>(static_cast<double>(t) * 1800.0 / kPi);
    angle = x > 0 ? -a : 1800 - a;
  }
  const double squares = static_cast<double>(x) * x + static_cast<double>(y) * y;
  const double r = osUTsqrt(squares) + 0.5;
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  return {angle, r >= kMax ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(r)};
}

APOINT placedVertex(int32_t rotation, int32_t angle, int32_t radius, int32_t cx, int32_t cy) {
  const auto a = static_cast<int16_t>(reduceTenths(int64_t{rotation} + angle));
  const double r = radius;
  return APOINT{truncToInt32Low(osUTfastcos(a) * r + 0.5 + cx),
                truncToInt32Low(-osUTfastsin(a) * r + 0.5 + cy)};
}

}  // namespace zelmo
