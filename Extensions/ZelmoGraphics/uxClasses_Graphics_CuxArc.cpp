// Natives of uxclasses/graphics/CuxArc: a retained elliptic arc.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/ShapeRecords.h"
#include "shapes/ShapeLook.h"

namespace zelmo {
namespace {

// draw(I)V: the arc call names no layer, so the int is not read.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  const ShapeLook look = ShapeLook::of(self);
  const Box& b = look.box;
  if (look.flat()) {
    // Whatever the ellipse fields say, a flat arc is a straight line across its box.
    osGXdrawLine(b.x1, b.y1, b.x2, b.y2, low16(look.lineWidth), low16(look.lineStyle),
                 look.lineColor, look.backColor, 0);
    return;
  }
  const SectorGeometry sector = SectorGeometry::of(self);
  osGXdrawArc(&sector.ellipse, &sector.ends, look.lineColor, look.backColor, low8(look.lineStyle),
              look.lineWidth, &sector.bounds, sector.arcFlag);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxArc_init() {
  return zelmo::registerClass(zelmo::ArcFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxArc", 63});
}
