// The percent resize of a rectangle: its box, its size in pixels and its centre, recomputed from
// its design-time box. Unlike the group's resize it counts inclusive pixels, so 100 % gives the
// design-time size back exactly.
#pragma once

#include <cstdint>

#include "geometry/FillLevel.h"
#include "geometry/ShapeGeometry.h"

namespace zelmo {

struct RectangleGeometry {
  Box box;
  Box orig;
  int32_t width;   // rectWidth
  int32_t height;  // rectHeight
  Point center;
  Point origCenter;
};

// Horizontal first (codes 1, 2, 6), then vertical (4, 3, 5) on the box the first step left.
// A non-zero code of the other axis still recomputes that axis's size, nothing else. Box and
// centre results keep 16 bits; a size of 0 leaves a one-pixel box at the kept edge.
void resizeRectangle(RectangleGeometry& r, int32_t percentX, int8_t codeX, int32_t percentY,
                     int8_t codeY);

}  // namespace zelmo
