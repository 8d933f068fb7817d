#include "geometry/PointListRotation.h"

#include <cmath>
#include <cstdlib>

#include "geometry/IntMath.h"
#include "geometry/PointListResize.h"

namespace zelmo {
namespace {

// The pi the angle conversion has always used: the single-precision value, widened.
constexpr double kPi = 3.1415927410125732;

// The difference of two 32-bit coordinates is below 2^32 in size, so its square fits.
uint64_t square(int64_t d) {
  const uint64_t m = d < 0 ? static_cast<uint64_t>(-d) : static_cast<uint64_t>(d);
  return m * m;
}

// A turned coordinate (its half-pixel bias included) kept in 16 bits. The exact turns take the
// floor, so that negative coordinates round like positive ones and a turn of 0 moves nothing;
// other angles truncate toward zero.
int32_t placed(double v, bool exact) { return wrap16(truncToInt32(exact ? std::floor(v) : v)); }

}  // namespace

int16_t tenthsOfDegree(int32_t angle) {
  float deg = static_cast<float>(angle / 1000.0 * 180.0 / kPi);
  if (deg < 0) deg = static_cast<float>(deg + 360.0);
  return static_cast<int16_t>(low16(truncToInt32(deg * 10.0)));
}

Turn turnOf(int32_t angle, const TrigFunctions& trig) {
  const int64_t a = std::llabs(int64_t{angle});
  if (a == 0 || a == 6282) return {0, 1, true};
  if (angle == 1570 || angle == -4711) return {1, 0, true};
  if (a == 3141) return {0, -1, true};
  if (angle == 4711 || angle == -1570) return {-1, 0, true};
  const int16_t s = tenthsOfDegree(angle);
  return {trig.sine(s), trig.cosine(s), false};
}

std::optional<Point> rotatePointList(const Turn& turn, int32_t count, Point centre, Point target,
                                     const int32_t* source, int32_t* out,
                                     double (*squareRoot)(double)) {
  if (!source || !out || count < 1) return std::nullopt;
  const double bias = turn.exact ? 0.5 : 0.0;
  double ux = 0;
  double uy = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int64_t dx = int64_t{source[2 * i]} - centre.x;      // x - cx
    const int64_t dy = int64_t{centre.y} - source[2 * i + 1];  // cy - y
    // The squares are exact: in 32 bits they would go negative 46341 pixels out.
    const float r = static_cast<float>(
        squareRoot(static_cast<double>(square(dx)) + static_cast<double>(square(dy))));
    if (r != 0) {
      ux = static_cast<double>(dx) / r;
      uy = static_cast<double>(dy) / r;
    }
    const double x = target.x + bias + (turn.sine * uy + turn.cosine * ux) * r;
    const double y = target.y + bias - (turn.cosine * uy - turn.sine * ux) * r;
    out[2 * i] = placed(x, turn.exact);
    out[2 * i + 1] = placed(y, turn.exact);
  }
  return pointListCenter(out, count);
}

}  // namespace zelmo
