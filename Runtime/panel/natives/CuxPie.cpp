#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass pieNatives() {
  return {"uxclasses/graphics/CuxPie",
          {{"draw(I)V",
            "Draws the pie sector between the start and end points, with its fill level when one "
            "is set; a flat box draws a rectangle outline.",
            {layer()}}}};
}

}  // namespace panel::natives
