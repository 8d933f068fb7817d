#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass complexObjNatives() {
  return {"uxclasses/graphics/CuxComplexObj",
          {{"draw(I)V",
            "Draws every member whose state bits 0x02 and 0x04 are both set, each in the look its "
            "state selects (secured, disabled, reverse or plain).",
            {layer()}},
           {"resize(IB)V",
            "Resizes the group by a percentage of its design-time size: moves and resizes every "
            "member, then recomputes the box.",
            {{"percent", Unit::Percent},
             code("code", kResizeAnchors, "which edge or centre stays put")}},
           {"setPosition(II)V",
            "Moves the group and every member so that its box starts at (x, y).",
            {pixels("x", "new left edge"), pixels("y", "new top edge")}},
           {"setRotationPoint(II)V",
            "Gives the group and every member one rotation point, offset from the group's centre.",
            {pixels("rx", "offset right of the centre"), pixels("ry", "offset below the centre")}},
           {"rotatePoints(I)V",
            "Recomputes the box after the members were rotated; rotates nothing itself.",
            {{"angle", Unit::Milliradians, nullptr, "not read"}}},
           {"updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;",
            "Recomputes the group's box from its members' boxes.",
            {},
            "the group itself"}}};
}

}  // namespace panel::natives
