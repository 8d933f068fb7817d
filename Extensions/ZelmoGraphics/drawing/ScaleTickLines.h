// The two tick routines every scale draws with: the retained CuxScale and the canvas natives
// (which add the canvas translation before calling them). Each tick is one osGXdrawLine.
#pragma once

#include <cstdint>

#include "geometry/ScaleTicks.h"

namespace zelmo {

struct TickPen {
  uint16_t lineWidth;
  uint16_t lineStyle;
  int32_t color;
  int32_t backColor;
};

void drawLinearTicks(const LinearTicks& ticks, const TickPen& pen);

// Ticks from outerRadius in to innerRadius around (cx, cy); ends keep their low 32 bits.
struct CircularTicks {
  CircularTickAngles angles;
  int64_t innerRadius, outerRadius;
  int64_t cx, cy;
};
void drawCircularTicks(const CircularTicks& ticks, const TickPen& pen);

}  // namespace zelmo
