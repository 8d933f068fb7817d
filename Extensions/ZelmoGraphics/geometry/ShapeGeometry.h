// Geometry shared by the percent resizes and moves of rectangles, polylines and groups: the
// anchor codes, the integer centre of a range, the group's new box and the point mapping that
// places each member in it.
#pragma once

#include <cstdint>

#include "geometry/FillLevel.h"

namespace zelmo {

// What a percent resize keeps in place, per axis; 0 leaves the axis alone.
namespace ResizeAnchor {
inline constexpr int8_t kNone = 0;
inline constexpr int8_t kCentreH = 1;
inline constexpr int8_t kRightKept = 2;
inline constexpr int8_t kBottomKept = 3;
inline constexpr int8_t kCentreV = 4;
inline constexpr int8_t kTopKept = 5;
inline constexpr int8_t kLeftKept = 6;
}  // namespace ResizeAnchor

struct Point {
  int32_t x, y;
  friend bool operator==(const Point&, const Point&) = default;
};

// The integer centre of the inclusive range a..b, in either order: an odd span drops its last
// pixel first, so centerOf(0, 5) = 2 like centerOf(0, 4). Wraps at 32 bits.
int32_t centerOf(int32_t a, int32_t b);

// v truncated to 16 bits, plus 1 when v lies at least half a pixel above that: positive halves
// round up (2.5 gives 3), negative values are truncated (-2.7 gives -2). NaN and values outside
// the 32-bit range count as 0.
int32_t roundHalfUp(double v);

struct DoubleBox {
  double x1, y1, x2, y2;
};

// Moves (px, py) from one rectangle to the other, scaling by the ratio of their spans. A side of
// zero span in `from` counts as 1.
void mapPoint(double& px, double& py, const DoubleBox& from, const DoubleBox& to);

// The box of a group resized to `percent` of its design-time box `orig`, by the anchor code.
// The new box is continuous: x2 - x1 is the new width, so 100 % is one pixel wider than the
// inclusive design-time box. Unknown codes return `box`. Wraps at 32 bits.
Box resizeExtent(Box box, const Box& orig, int32_t percent, int8_t code);

// How far a member of a group resized from `groupOrig` to `groupNew` moves: its design-time box
// is mapped by the point the anchor code keeps (a centre, the right or bottom edge, else the
// top-left corner), rounded half up. The vertical part counts upward, as shift(II)V takes it.
// Both parts keep 16 bits.
Point memberShift(const Box& memberOrig, const Box& groupOrig, const Box& groupNew, int8_t code);

}  // namespace zelmo
