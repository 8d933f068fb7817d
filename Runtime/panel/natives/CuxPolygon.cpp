#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass polygonNatives() {
  return {"uxclasses/graphics/CuxPolygon",
          {{"drawPolygon(I)V",
            "Fills and outlines the closed polygon of at least 3 points, with its fill level when "
            "one is set.",
            {layer()}}}};
}

}  // namespace panel::natives
