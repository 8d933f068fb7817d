// Where the ticks of a scale lie: evenly along a box's width or height (linear), or along an arc
// between two angles (circular). The drawing routines in drawing/ScaleTickLines.h walk these.
//
// Both routines are bounded: a call that would draw more than kMaxTicks ticks (or a linear step
// that would never end the walk) draws none, so hostile counts cannot hang a panel. All spans
// and products are formed in 64 bits; coordinates keep their low 32 bits.
#pragma once

#include <cstdint>

namespace zelmo {

inline constexpr int64_t kMaxTicks = 32767;

struct TickLine {
  int32_t x1, y1, x2, y2;
  friend bool operator==(const TickLine&, const TickLine&) = default;
};

// Ticks i = 0, step, 2 step, ... up to divisions: tick 0 at y2 (vertical) or x1 (horizontal),
// tick `divisions` at y1 or x2.
class LinearTicks {
 public:
  LinearTicks(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t divisions, int32_t step,
              bool vertical);

  // How many ticks are drawn; 0 for divisions or step of 0 or less, or too many ticks.
  int32_t count() const { return count_; }
  // The k-th drawn tick (i = k × step), 0 <= k < count().
  TickLine tick(int32_t k) const;

 private:
  int32_t x1_, y1_, x2_, y2_;
  int32_t divisions_, step_;
  bool vertical_;
  float spacing_;
  int32_t count_;
};

// The angles of a circular scale's count + 1 ticks, in tenths of a degree 0..3599: from
// startAngle to endAngle counter-clockwise (equal angles make a full turn).
class CircularTickAngles {
 public:
  CircularTickAngles(int32_t startAngle, int32_t endAngle, int64_t count);

  // count + 1, or 0 for a count of 0 or less or one whose ticks would pass kMaxTicks.
  int32_t count() const { return count_; }
  int32_t tenths(int32_t i) const;

 private:
  double start10_;
  double sweep_;
  int32_t count_;
};

// The centre and outer radius of a round scale drawn in a box: the circle inscribed in the box's
// width, centred on the box (with the canvas translation dx, dy).
struct RoundScaleFrame {
  int64_t cx, cy, radius;
};
RoundScaleFrame roundScaleFrame(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int32_t dx,
                                int32_t dy);

}  // namespace zelmo
