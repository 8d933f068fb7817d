#include "canvas/CanvasTransform.h"

#include "geometry/IntMath.h"

namespace zelmo {

CanvasTransform& canvasTransform() {
  static CanvasTransform transform;
  return transform;
}

int32_t toFixed88(float v) { return truncToInt32Low(static_cast<double>(v) * 256.0 + 0.5); }

}  // namespace zelmo
