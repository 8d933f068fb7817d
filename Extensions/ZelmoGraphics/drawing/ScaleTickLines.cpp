#include "drawing/ScaleTickLines.h"

#include "geometry/IntMath.h"
#include "platform/CoreServices.h"
#include "platform/DrawingService.h"

namespace zelmo {

namespace {

void line(const TickLine& t, const TickPen& pen) {
  osGXdrawLine(t.x1, t.y1, t.x2, t.y2, pen.lineWidth, pen.lineStyle, pen.color, pen.backColor, 0);
}

// centre + trunc(unit × radius), kept to the low 32 bits; radii stay far inside 64 bits.
int32_t along(int64_t centre, double unit, int64_t radius) {
  const auto offset = static_cast<int64_t>(unit * static_cast<double>(radius));
  return static_cast<int32_t>(
      static_cast<uint32_t>(static_cast<uint64_t>(centre) + static_cast<uint64_t>(offset)));
}

}  // namespace

void drawLinearTicks(const LinearTicks& ticks, const TickPen& pen) {
  for (int32_t k = 0; k < ticks.count(); ++k) line(ticks.tick(k), pen);
}

void drawCircularTicks(const CircularTicks& t, const TickPen& pen) {
  for (int32_t i = 0; i < t.angles.count(); ++i) {
    const auto a = static_cast<int16_t>(t.angles.tenths(i));
    const double c = osUTfastcos(a);
    const double s = -osUTfastsin(a);  // screen y grows downward
    line({along(t.cx, c, t.outerRadius), along(t.cy, s, t.outerRadius),
          along(t.cx, c, t.innerRadius), along(t.cy, s, t.innerRadius)},
         pen);
  }
}

}  // namespace zelmo
