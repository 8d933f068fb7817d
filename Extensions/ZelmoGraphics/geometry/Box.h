// A rectangle the two ways it travels: as inclusive corners, which the drawing service and the
// records hold, and as a corner and a size, which the natives receive.
#pragma once

#include <cstdint>

#include "geometry/IntMath.h"
#include "platform/PlatformTypes.h"

namespace zelmo {

// Inclusive corners: the box covers x1..x2 and y1..y2, both ends drawn.
struct Box {
  int32_t x1, y1, x2, y2;
  friend bool operator==(const Box&, const Box&) = default;
  constexpr POINTRECT rect() const { return {x1, y1, x2, y2}; }
};

// A corner and a size. The last pixel on each axis is corner + size - 1, wrapping at 32 bits, so
// a size of 0 ends just before the corner and a negative size gives inverted corners; what those
// draw is each native's choice.
struct SizedBox {
  int32_t x, y, w, h;
  constexpr Box corners() const { return {x, y, lastOf(x, w), lastOf(y, h)}; }
  constexpr bool empty() const { return w == 0 || h == 0; }
  constexpr SizedBox movedBy(int32_t dx, int32_t dy) const {
    return {add32(x, dx), add32(y, dy), w, h};
  }
};

}  // namespace zelmo
