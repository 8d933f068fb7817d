// Point lists of polylines: x0, y0, x1, y1, ... in an int array. Their centre, their move from
// the design-time points, and their percent resize per axis. Source and target may be the same
// list: each point is read before its target is written.
#pragma once

#include <cstdint>
#include <optional>

#include "geometry/Box.h"
#include "geometry/ShapeGeometry.h"

namespace zelmo {

// The box around the first `count` points, and its centre; none for no points.
std::optional<Box> pointListBox(const int32_t* xy, int32_t count);
std::optional<Point> pointListCenter(const int32_t* xy, int32_t count);

// target = source + (dx, -dy) for every point: the vertical displacement counts upward.
void translatePointList(int32_t count, int32_t dx, int32_t dy, const int32_t* source,
                        int32_t* target);
Point translated(Point p, int32_t dx, int32_t dy);

// One axis of a percent resize: the anchor code and the percentage (already cut to 16 bits).
struct AxisResize {
  int8_t code;
  int32_t percent;
};

// What a polyline's resize places the points against: its current box (which the caller has
// already resized), its design-time box, and its design-time and current centres.
struct ResizeFrame {
  Box box;
  Box orig;
  Point origCenter;
  Point center;
};

// Rewrites the resized axes of target from source; the other axis keeps what target held.
// Horizontal codes 1, 2, 6 and vertical codes 4, 3, 5 are honoured, others leave their axis.
// Returns the current centre as the edge-anchored codes move it.
Point scalePointList(int32_t count, const int32_t* source, int32_t* target,
                     const ResizeFrame& frame, AxisResize horizontal, AxisResize vertical);

}  // namespace zelmo
