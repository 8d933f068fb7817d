#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass rectangleNatives() {
  return {"uxclasses/graphics/CuxRectangle",
          {{"draw(I)V",
            "Fills and outlines the rectangle, rounded when set, with its fill level when one is "
            "set; draws nothing when rectWidth or rectHeight is 0.",
            {layer()}},
           {"resizeRectangle(IBIB)V",
            "Resizes the box to a percentage of its design-time size in each axis, keeping the "
            "anchored edge or centre in place.",
            {{"percentX", Unit::Percent},
             code("codeX", kHorizontalAnchors),
             {"percentY", Unit::Percent},
             code("codeY", kVerticalAnchors)}}}};
}

}  // namespace panel::natives
