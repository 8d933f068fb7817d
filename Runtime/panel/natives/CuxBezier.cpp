#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass bezierNatives() {
  return {"uxclasses/graphics/CuxBezier",
          {{"draw(I)V",
            "Draws the Bezier curve through its points when it has at least 4.",
            {unusedLayer()}}}};
}

}  // namespace panel::natives
