// drawImage: a graphic file's image at a point of the canvas. Only the translation applies, not
// the scale; the size comes from the file's own corners.
#include "canvas/CanvasNatives.h"
#include "canvas/ShapeHelpers.h"
#include "records/CanvasRecord.h"
#include "shapes/Images.h"

namespace zelmo::canvas {

// drawImage(Luxclasses/graphics/CuxGraphicFile;II)V
void drawImage() {
  const ManagedFrame frame;
  const int32_t x = frame.intArg(0);
  const int32_t y = frame.intArg(1);
  const auto pen = Canvas::of(frame);
  const Storage file = fieldsOf(frame.refArg(1));
  if (!pen || !file) return;
  drawGraphicFile(file, pen->layer, translatedX(x), translatedY(y));
}

}  // namespace zelmo::canvas
