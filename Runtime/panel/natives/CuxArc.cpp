#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass arcNatives() {
  return {"uxclasses/graphics/CuxArc",
          {{"draw(I)V",
            "Draws the elliptic arc between the start and end points; a flat box draws a line.",
            {unusedLayer()}}}};
}

}  // namespace panel::natives
