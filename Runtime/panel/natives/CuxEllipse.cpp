#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass ellipseNatives() {
  return {"uxclasses/graphics/CuxEllipse",
          {{"draw(I)V",
            "Draws the ellipse in its box, with its fill level when one is set.",
            {layer()}}}};
}

}  // namespace panel::natives
