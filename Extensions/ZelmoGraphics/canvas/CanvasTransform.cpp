#include "canvas/CanvasTransform.h"

namespace zelmo {

CanvasTransform& canvasTransform() {
  static CanvasTransform transform;
  return transform;
}

}  // namespace zelmo
