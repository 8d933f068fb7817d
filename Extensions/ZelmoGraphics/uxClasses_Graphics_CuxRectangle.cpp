// Natives of uxclasses/graphics/CuxRectangle: a retained rectangle, optionally a fill-level gauge.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "geometry/RectangleResize.h"
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

// resizeRectangle(IBIB)V: box, size and centre from the design-time box, per axis; percentages
// at full 32 bits. No upcall: the managed resize calls this itself.
void resizeRectangle() {
  const ManagedFrame frame;
  const int32_t percentX = frame.intArg(0);
  const int8_t codeX = frame.byteArg(1);
  const int32_t percentY = frame.intArg(2);
  const int8_t codeY = frame.byteArg(3);
  const Storage self = frame.thisFields();
  if (!self) return;
  namespace g = GraphicsFields;
  namespace f = RectangleFields;
  RectangleGeometry r{g::box(self),
                      g::origBox(self),
                      f::rectWidth.read(self),
                      f::rectHeight.read(self),
                      {g::centerX.read(self), g::centerY.read(self)},
                      {g::origCenterX.read(self), g::origCenterY.read(self)}};
  resizeRectangle(r, percentX, codeX, percentY, codeY);
  g::x1.write(self, r.box.x1);
  g::y1.write(self, r.box.y1);
  g::x2.write(self, r.box.x2);
  g::y2.write(self, r.box.y2);
  f::rectWidth.write(self, r.width);
  f::rectHeight.write(self, r.height);
  g::centerX.write(self, r.center.x);
  g::centerY.write(self, r.center.y);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
    {"resizeRectangle(IBIB)V", resizeRectangle},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxRectangle_init() {
  return zelmo::registerClass(zelmo::RectangleFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxRectangle", 287});
}
