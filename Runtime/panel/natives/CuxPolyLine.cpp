#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass polyLineNatives() {
  return {"uxclasses/graphics/CuxPolyLine",
          {{"draw(I)V",
            "Draws the points as a dot, a line or a polyline, with the line-end decorations.",
            {unusedLayer()}},
           {"updateCorePts()V",
            "Recomputes the box from the points, widened for thick lines and line ends.",
            {}},
           {"setPosition(II)V",
            "Places the polyline so that its design-time box starts at (x, y), rotated again "
            "when it is rotated.",
            {pixels("x", "new left edge"), pixels("y", "new top edge")}},
           {"rotatePoints(I)V",
            "Turns the points about the current rotation point.",
            {{"angle", Unit::Milliradians}}},
           {"resizePoints(IBIB)V",
            "Rescales the points from their design-time positions, per axis, against the box "
            "already set.",
            {{"percentX", Unit::Percent},
             code("codeX", kHorizontalAnchors),
             {"percentY", Unit::Percent},
             code("codeY", kVerticalAnchors)}},
           {"movePoints(II)V",
            "Places the points at their design-time positions plus a displacement.",
            {pixels("dx", "to the right"), pixels("dy", "upward")}}}};
}

}  // namespace panel::natives
