// Natives of uxclasses/graphics/CuxScale: a retained row of ticks, linear or round. It draws in
// screen coordinates, with no translation and no clip of its own.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "drawing/ScaleTickLines.h"
#include "geometry/IntMath.h"
#include "records/ScaleRecord.h"

namespace zelmo {
namespace {

// draw(I)V: the layer is not needed, as the tick lines name no drawing target.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  namespace g = GraphicsFields;
  namespace s = ScaleFields;
  const int32_t divisions = s::divisions.read(self);
  if (divisions <= 0) return;
  const int32_t x1 = g::x1.read(self);
  const int32_t y1 = g::y1.read(self);
  const int32_t x2 = g::x2.read(self);
  const int32_t y2 = g::y2.read(self);
  const TickPen pen{low16(g::lineWidth.read(self)), low16(g::lineStyle.read(self)),
                    g::lineColor.read(self), g::backColor.read(self)};

  if (s::circular.read(self) != 0) {
    const int64_t cx = x1 + (int64_t{x2} - x1) / 2;
    const int64_t cy = y1 + (int64_t{y2} - y1) / 2;
    drawCircularTicks(
        {CircularTickAngles(s::startAngle.read(self), s::endAngle.read(self), divisions),
         s::innerRadius.read(self), s::outerRadius.read(self), cx, cy},
        pen);
    return;
  }
  drawLinearTicks(
      LinearTicks(x1, y1, x2, y2, divisions, s::tickStep.read(self), s::vertical.read(self) != 0),
      pen);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxScale_init() {
  return zelmo::registerClass(zelmo::ScaleFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxScale", 78});
}
