// Natives of uxclasses/graphics/CuxBezier: a retained Bezier curve.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/ShapeRecords.h"
#include "shapes/ShapeLook.h"

namespace zelmo {
namespace {

// Fewer points than this make no cubic segment.
constexpr int32_t kMinBezierPoints = 4;

// draw(I)V: the Bezier call names no layer, so the int is not read.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  namespace f = BezierFields;
  const PointList list = pointsOf(f::points.read(self), f::pointCount.read(self));
  if (list.count < kMinBezierPoints) return;
  const ShapeLook look = ShapeLook::of(self);
  osGXdrawBezierLine(list.count, list.points, look.lineWidth, look.lineStyle, look.lineColor,
                     look.backColor, f::lineEnd.read(self));
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxBezier_init() {
  return zelmo::registerClass(zelmo::BezierFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxBezier", 55});
}
