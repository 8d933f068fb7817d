// Natives of uxclasses/graphics/CuxPie: a retained pie sector, optionally a fill-level gauge.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/ShapeRecords.h"
#include "shapes/FillLevelClip.h"
#include "shapes/ShapeLook.h"

namespace zelmo {
namespace {

// The attributes' fourth byte, which every pie call carries.
constexpr uint8_t kPieAttributeFourth = 1;

// draw(I)V: the int is the layer of the pie and of the fill level's clip.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  const int32_t layer = frame.intArg(0);
  const ShapeLook look = ShapeLook::of(self);
  const FillLevel level = FillLevel::of(self, PieFields::level);
  const SectorGeometry geometry = SectorGeometry::of(self);
  const Box& b = look.box;

  // A flat box falls back to its rectangle outline, in the empty and the filled pass alike.
  const auto sector = [&](int32_t fillColour, int8_t fillPattern) {
    if (look.flat()) {
      osGXdrawRectangle(b.x1, b.y1, b.x2, b.y2, look.lineWidth, look.lineStyle, look.lineColor,
                        look.backColor, 0, 0, 0);
      return;
    }
    const PLANECOL colours{look.lineColor, look.backColor, fillColour};
    const PLANEATTRIB attributes{low8(look.lineWidth), low8(look.lineStyle), low8(fillPattern),
                                 kPieAttributeFourth};
    osGXpie(layer, &geometry.ellipse, &geometry.ends, &colours, &attributes, &geometry.bounds,
            geometry.arcFlag);
  };

  if (!level.on()) {
    sector(look.fillColor, look.fillPattern);
    return;
  }
  drawWithFillLevel(
      level, b, layer, [&] { sector(level.backColor, level.backPattern); },
      [&] { sector(look.fillColor, look.fillPattern); });
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPie_init() {
  return zelmo::registerClass(zelmo::PieFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxPie", 191});
}
