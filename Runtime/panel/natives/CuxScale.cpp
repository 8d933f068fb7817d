#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass scaleNatives() {
  return {"uxclasses/graphics/CuxScale",
          {{"draw(I)V",
            "Draws the tick lines of the scale, along its box or around its circle.",
            {unusedLayer()}}}};
}

}  // namespace panel::natives
