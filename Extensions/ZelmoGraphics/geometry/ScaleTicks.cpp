#include "geometry/ScaleTicks.h"

#include "geometry/Angles.h"
#include "geometry/IntMath.h"

namespace zelmo {

namespace {

int32_t wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

// Number of ticks i = 0, step, ... <= divisions, or 0 when the walk is unbounded or too long.
int32_t linearCount(int32_t divisions, int32_t step) {
  if (divisions <= 0 || step <= 0) return 0;
  const int64_t ticks = int64_t{divisions} / step + 1;
  return ticks > kMaxTicks ? 0 : static_cast<int32_t>(ticks);
}

}  // namespace

LinearTicks::LinearTicks(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t divisions,
                         int32_t step, bool vertical)
    : x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      divisions_(divisions),
      step_(step),
      vertical_(vertical),
      spacing_(divisions > 0 ? static_cast<float>(static_cast<double>(int64_t{x2} - x1) / divisions)
                             : 0.0f),
      count_(linearCount(divisions, step)) {}

TickLine LinearTicks::tick(int32_t k) const {
  const int64_t i = int64_t{k} * step_;
  if (vertical_) {
    // |i × span| < 2^31 × 2^32, so the numerator fits 64 bits; both divisions truncate.
    const int64_t offset = (i * (int64_t{y2_} - y1_) + divisions_ / 2) / divisions_;
    const int32_t y = wrap32(y2_ - offset);
    return {x1_, y, x2_, y};
  }
  const float p = static_cast<float>(i) * spacing_;
  const int32_t x = add32(x1_, truncToInt32Low(static_cast<double>(p) + 0.5));
  return {x, y1_, x, y2_};
}

CircularTickAngles::CircularTickAngles(int32_t startAngle, int32_t endAngle, int64_t count)
    : start10_(10.0 * startAngle), sweep_(0.0), count_(0) {
  if (count <= 0 || count + 1 > kMaxTicks) return;
  const int64_t end = startAngle >= endAngle ? int64_t{endAngle} + 360 : endAngle;
  sweep_ = static_cast<double>(end - startAngle) / static_cast<double>(count);
  count_ = static_cast<int32_t>(count + 1);
}

int32_t CircularTickAngles::tenths(int32_t i) const {
  // At most 32766 × (2^32 + 360) × 10 + 2^31 × 10 in size: well inside 64 bits.
  const double a = static_cast<double>(i) * sweep_ * 10.0 + start10_;
  return reduceTenths(static_cast<int64_t>(a));
}

RoundScaleFrame roundScaleFrame(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int32_t dx,
                                int32_t dy) {
  const int64_t r = (x2 - x1 + 1) / 2;
  return {x1 + r + dx, (y1 + y2 + 1) / 2 + dy, r};
}

}  // namespace zelmo
