// Natives of uxclasses/graphics/CuxText, the retained text object: its text in its box, an
// optional border on top, and the layer's clip area left exactly as it was found.
#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "bridge/Registrar.h"
#include "drawing/TextRecords.h"
#include "platform/DrawingService.h"
#include "records/FontRecord.h"
#include "records/GraphicsRecord.h"
#include "records/TextRecord.h"
#include "shapes/SavedClip.h"

namespace zelmo {
namespace {

namespace g = GraphicsFields;
namespace t = TextFields;

// draw(II)V: the second argument is not used.
void draw() {
  const ManagedFrame frame;
  const int32_t layer = frame.intArg(0);
  const Storage object = frame.thisFields();
  if (!object) return;
  const ObjectHandle text = ObjectHandle::newLocal(t::text.read(object));
  const POINTRECT box = g::box(object).rect();
  const TEXTCOL colours{g::fillColor.read(object), g::backColor.read(object),
                        t::textThirdColor.read(object)};
  const TEXTATTRIB attributes = textAttributes(
      t::textMode.read(object), t::textOption1.read(object), t::textOption2.read(object),
      t::textOption6.read(object), t::textOption7.read(object));
  const Storage font = fieldsOf(t::textFont.read(object));
  if (!font) return;  // not drawn, and the clip area is not touched
  const int8_t lineWidth = g::lineWidth.read(object);
  const int8_t lineStyle = g::lineStyle.read(object);
  const int32_t lineColour = g::lineColor.read(object);

  const SavedClip clip(layer);
  // A null text has nothing to show; its border is still drawn.
  if (const Storage string = text.fields()) {
    const StringText s = stringText(string);
    osGXtext(layer, &box, &colours, &attributes, FontFields::fontHandle.read(font), s.chars,
             s.count, true);
  }
  if (lineWidth > 0 && lineStyle > 0)
    osGXdrawRectangle(box.x1, box.y1, box.x2, box.y2, lineWidth, lineStyle, lineColour,
                      colours.backColor, 0, 0, 0);
}

constexpr NativeEntry kNatives[] = {
    {"draw(II)V", draw},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxText_init() {
  return zelmo::registerClass(zelmo::TextFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxText", 104});
}
