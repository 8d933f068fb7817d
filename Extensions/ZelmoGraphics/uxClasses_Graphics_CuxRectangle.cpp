// Natives of uxclasses/graphics/CuxRectangle: a retained rectangle, optionally a fill-level gauge.
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
  namespace f = RectangleFields;
  // The size the last resize left; a rectangle resized to nothing is not drawn, whatever its box.
  if (f::rectWidth.read(self) == 0 || f::rectHeight.read(self) == 0) return;
  const int32_t layer = frame.intArg(0);
  const ShapeLook look = ShapeLook::of(self);
  const FillLevel level = FillLevel::of(self, f::level);
  const uint8_t rounded = f::rounded.read(self);
  const int32_t radiusX = f::cornerRadiusX.read(self);
  const int32_t radiusY = f::cornerRadiusY.read(self);
  const Box& b = look.box;

  const auto fill = [&](int32_t colour, uint8_t pattern) {
    osGXfillRectangle(b.x1, b.y1, b.x2, b.y2, look.lineWidth, colour, pattern, look.backColor,
                      rounded, radiusX, radiusY);
  };
  const auto normalFill = [&] {
    if (look.fillPattern > 0) fill(look.fillColor, low8(look.fillPattern));
  };
  const auto outline = [&] {
    osGXdrawRectangle(b.x1, b.y1, b.x2, b.y2, look.lineWidth, look.lineStyle, look.lineColor,
                      look.backColor, rounded, radiusX, radiusY);
  };

  if (!level.on()) {
    normalFill();
    if (look.lineWidth > 0 && look.lineStyle > 0) outline();
    return;
  }
  // With a fill level the outline is drawn whatever its width and style: the service decides.
  drawOutlinedGauge(level, b, layer, fill, normalFill, outline);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
};

constexpr ClassRegistration kCuxRectangle{
    RectangleFields::kClassName,
    "uxClasses_Graphics_CuxRectangle",
    287,
    u"Failed to init native support for uxclasses.graphics.CuxRectangle : %s",
    initCheck,
    kNatives};

}  // namespace

int32_t registerCuxRectangle() { return registerClass(kCuxRectangle); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxRectangle_init() {
  return zelmo::registerCuxRectangle();
}
