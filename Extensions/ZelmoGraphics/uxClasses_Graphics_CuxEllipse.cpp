// Natives of uxclasses/graphics/CuxEllipse: a retained ellipse, optionally a fill-level gauge.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/ShapeRecords.h"
#include "shapes/FillLevelClip.h"
#include "shapes/ShapeLook.h"

namespace zelmo {
namespace {

// draw(I)V: the int is the layer, which only the fill level's clip needs.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  const int32_t layer = frame.intArg(0);
  const ShapeLook look = ShapeLook::of(self);
  const FillLevel level = FillLevel::of(self, EllipseFields::level);
  const Box& b = look.box;

  const auto fill = [&](int32_t colour, uint16_t pattern) {
    osGXfillEllipse(b.x1, b.y1, b.x2, b.y2, colour, pattern, look.backColor);
  };
  const auto normalFill = [&] {
    if (look.fillPattern > 0) fill(look.fillColor, static_cast<uint16_t>(look.fillPattern));
  };
  const auto outline = [&] {
    osGXdrawEllipse(b.x1, b.y1, b.x2, b.y2, look.lineColor, low16(look.lineStyle),
                    low16(look.lineWidth), look.backColor);
  };

  if (!level.on()) {
    if (look.flat()) {
      osGXdrawLine(b.x1, b.y1, b.x2, b.y2, low16(look.lineWidth), low16(look.lineStyle),
                   look.lineColor, look.backColor, 0);
      return;
    }
    normalFill();
    outline();
    return;
  }
  // A gauge needs an area to fill; a flat one shows nothing.
  if (look.flat()) return;
  drawOutlinedGauge(level, b, layer, fill, normalFill, outline);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxEllipse_init() {
  return zelmo::registerClass(zelmo::EllipseFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxEllipse", 127});
}
