#include "shapes/Images.h"

#include "bridge/ManagedData.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/GraphicFileRecord.h"

namespace zelmo {

void drawGraphicFile(Storage file, int32_t layer, int32_t x, int32_t y) {
  namespace g = GraphicsFields;
  namespace f = GraphicFileFields;
  const uint16_t width = low16(sub32(g::x2.read(file), g::x1.read(file)));
  const uint16_t height = low16(sub32(g::y2.read(file), g::y1.read(file)));
  const stImageHandle image = f::imageHandle.read(file);
  const int32_t option = f::imageOption.read(file);
  osGXimage(layer, APOINT{x, y}, width, height, image, option, 0);
}

stImageHandle captureArea(const ManagedFrame& frame, int32_t* status) {
  const int32_t layer = frame.intArg(0);
  const SizedBox box = frame.boxArg(1);
  if (box.empty()) return osGXcreateImage(layer, nullptr, status);
  const POINTRECT area = box.corners().rect();
  return osGXcreateImage(layer, &area, status);
}

void storeStatus(const ManagedFrame& frame, uint32_t k, int32_t status) {
  const IntArray array = intArray(fieldsOf(frame.refArg(k)));
  if (array.length > 0) array.elements[0] = status;
}

}  // namespace zelmo
