// Natives of uxclasses/graphics/CuxGraphicFile: an image of the drawing service, loaded from a
// file or captured from a layer, drawn in the object's bounding box.
#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "platform/DrawingService.h"
#include "records/GraphicFileRecord.h"
#include "shapes/Images.h"

namespace zelmo {
namespace {

// A path keeps at most this many UTF-16 units, plus its terminator.
constexpr size_t kPathUnits = 260;

constexpr bool isHighSurrogate(UniChar c) { return c >= 0xD800 && c <= 0xDBFF; }

// draw(I)V: at (x1, y1), sized x2 - x1 by y2 - y1.
void draw() {
  const ManagedFrame frame;
  const int32_t layer = frame.intArg(0);
  const Storage self = frame.thisFields();
  if (!self) return;
  drawGraphicFile(self, layer, GraphicsFields::x1.read(self), GraphicsFields::y1.read(self));
}

// createImage(IIIII[I)I, a class method: the status array is the first reference.
void createImage() {
  const ManagedFrame frame;
  int32_t status = 0;
  const stImageHandle image = captureArea(frame, &status);
  storeStatus(frame, 0, status);
  frame.setIntResult(static_cast<int32_t>(image));
}

// loadImage(Ljava/lang/String;[I)I, a class method. A null path is the empty text; a path cut
// at its limit never ends on the first half of a surrogate pair.
void loadImage() {
  const ManagedFrame frame;
  UniChar path[kPathUnits + 1];
  const StringText text = stringText(fieldsOf(frame.refArg(0)));
  size_t count =
      text.count < static_cast<int32_t>(kPathUnits) ? static_cast<size_t>(text.count) : kPathUnits;
  if (count < static_cast<size_t>(text.count) && count > 0 &&
      isHighSurrogate(text.chars[count - 1]))
    --count;
  for (size_t i = 0; i < count; ++i) path[i] = text.chars[i];
  path[count] = 0;
  int32_t status = 0;
  const stImageHandle image = osGXloadImage(path, &status);
  storeStatus(frame, 1, status);
  frame.setIntResult(static_cast<int32_t>(image));
}

// unloadImage(I)V reads no field, so it also works through the class.
void unloadImage() {
  const ManagedFrame frame;
  osGXunloadImage(static_cast<stImageHandle>(frame.intArg(0)));
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
    {"createImage(IIIII[I)I", createImage},
    {"loadImage(Ljava/lang/String;[I)I", loadImage},
    {"unloadImage(I)V", unloadImage},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxGraphicFile_init() {
  return zelmo::registerClass(zelmo::GraphicFileFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxGraphicFile", 132});
}
