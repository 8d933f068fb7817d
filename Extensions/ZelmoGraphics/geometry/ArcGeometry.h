// Points on ellipses and circles, the polygon step of thick arcs and the box an arc or sector
// covers: the integer geometry behind the canvas arcs and pies. Angles count counter-clockwise
// from the positive x axis with y up on screen; sine and cosine come from the core service's
// tables, as everywhere in the panel.
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace zelmo {

// An angle reduced to one turn: 0..359 degrees or 0..3599 tenths. A remainder, not a loop, so
// that any 64-bit angle (a start plus an extent included) reduces at once.
int32_t normalisedDegrees(int64_t degrees);
int32_t normalisedTenths(int64_t tenths);

// The point at `tenths` (any value) on the ellipse in the box of corner (x, y) and size (w, h).
// Angle 0 is (x + w, y + h / 2): one pixel right of the box's last column.
APOINT pointOnEllipseTenths(int32_t x, int32_t y, int32_t w, int32_t h, int64_t tenths);
APOINT pointOnEllipseDegrees(int32_t x, int32_t y, int32_t w, int32_t h, int64_t degrees);

// The point at `tenths` on the circle in the box of corner (x, y) and side 2 * radius.
APOINT pointOnCircle(int32_t x, int32_t y, int32_t radius, int64_t tenths);

// The step in whole degrees between the polygon points of a thick arc of this radius, 3..30:
// finer for larger circles.
int32_t arcStep(int32_t radius);

// The box of the part of the ellipse (inclusive corners `ellipse`, centre `centre`) drawn
// counter-clockwise from p1 to p2: the box of the two points, extended to every extreme of the
// ellipse (right, top, left, bottom) passed on the way; with `includeCentre`, widened to hold the
// centre as a sector does.
POINTRECT arcBounds(APOINT centre, const POINTRECT& ellipse, APOINT p1, APOINT p2,
                    bool includeCentre);

// A sector too small to draw as one: its ends share a row or a column (or its extent is 0), and
// the extent is under 5 degrees. Callers draw it as a triangle or a line.
constexpr bool isSmallSector(int32_t extent, APOINT p1, APOINT p2) {
  return (extent == 0 || p1.x == p2.x || p1.y == p2.y) && extent < 5;
}

// A box with no width or no height.
constexpr bool isFlat(const POINTRECT& box) { return box.x1 == box.x2 || box.y1 == box.y2; }

}  // namespace zelmo
