// Turned points for the canvas: the x or y offset of a radius's end at an angle, the polar form
// of a polygon's vertices, and a vertex placed back from that form. Angles are tenths of a degree
// counter-clockwise with y pointing up; the y results are negated, as screen y grows downward.
// Sine and cosine come from the core service's fast table.
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace zelmo {

// trunc(cos(tenths) × radius) and −trunc(sin(tenths) × radius), truncated to 64 bits and kept
// to their low 32 (so −INT_MIN is INT_MIN). tenths must be a table angle, 0..3600.
int32_t turnedX(int32_t radius, int32_t tenths);
int32_t turnedY(int32_t radius, int32_t tenths);

// A vertex relative to the centre (screen direction) in polar form.
struct Polar {
  int32_t angle;   // tenths of a degree, -900..2700, not reduced
  int32_t radius;  // rounded; a distance past INT_MAX is INT_MAX
};
Polar polarOf(int32_t x, int32_t y);

// The vertex of polar form (angle, radius) turned by `rotation`, placed around (cx, cy) and
// rounded half up; the angle sum is reduced from its full value.
APOINT placedVertex(int32_t rotation, int32_t angle, int32_t radius, int32_t cx, int32_t cy);

}  // namespace zelmo
