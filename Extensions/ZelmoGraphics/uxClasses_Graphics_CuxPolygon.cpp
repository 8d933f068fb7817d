// Natives of uxclasses/graphics/CuxPolygon: a retained closed polygon, optionally a fill-level
// gauge.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/Colour.h"
#include "records/ShapeRecords.h"
#include "shapes/FillLevelClip.h"
#include "shapes/ShapeLook.h"

namespace zelmo {
namespace {

constexpr int8_t kSolidPattern = 1;

// drawPolygon(I)V: the int is the layer, which only the fill level's clip needs.
void drawPolygon() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  namespace f = PolygonFields;
  const jref pointsRef = f::points.read(self);
  const int32_t pointCount = f::pointCount.read(self);
  // Looked up for every call, so the service always gets the array where it is now.
  const auto points = [&] { return pointsOf(pointsRef, pointCount); };
  if (points().count <= 2) return;
  const int32_t layer = frame.intArg(0);
  const ShapeLook look = ShapeLook::of(self);
  const FillLevel level = FillLevel::of(self, f::level);
  const bool fillFlag = f::fillFlag.read(self) != 0;

  const auto fill = [&](int32_t colour, uint8_t pattern) {
    const PointList p = points();
    osGXfillPolygon(p.count, p.points, colour, look.backColor, pattern, fillFlag);
  };
  const auto normalFill = [&] {
    if (look.fillPattern > 0) fill(look.fillColor, low8(look.fillPattern));
  };
  // A solid polygon without an outline style or colour still gets a one-pixel edge, in its fill
  // colour, in place of the outline.
  const bool hairline =
      look.fillPattern == kSolidPattern && (look.lineStyle == 0 || isNoColour(look.lineColor));
  const auto outline = [&](bool onlyIfVisible) {
    const PointList p = points();
    if (hairline) {
      osGXdrawPolygon(p.count, p.points, 1, look.fillColor, 0, 1);
    } else if (!onlyIfVisible || (look.lineStyle > 0 && look.lineWidth > 0)) {
      osGXdrawPolygon(p.count, p.points, low16(look.lineWidth), look.lineColor, look.backColor,
                      low16(look.lineStyle));
    }
  };

  if (!level.on()) {
    normalFill();
    outline(true);
    return;
  }
  // The box fields bound the points, so the level is measured against them.
  drawOutlinedGauge(level, look.box, layer, fill, normalFill, [&] { outline(false); });
}

constexpr NativeEntry kNatives[] = {
    {"drawPolygon(I)V", drawPolygon},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPolygon_init() {
  return zelmo::registerClass(zelmo::PolygonFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxPolygon", 132});
}
