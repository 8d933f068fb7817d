// Upcalls: natives calling managed methods back. Each pushes `this` and its arguments on the VM's
// stacks, registers its method slot at its first use, and lets the VM run the method. `target`
// is the object's field storage (as fieldsOf yields it); a null target makes no upcall. `exact`
// non-zero runs exactly the slot class's method (as a method calls its base class's version);
// 0 dispatches on the receiver's class. The callee may move objects: read fields afresh after.
#pragma once

#include "bridge/Field.h"
#include "platform/PlatformTypes.h"

namespace zelmo::upcall {

void draw(Storage target, int32_t layer, uint8_t exact);
void drawBackground(Storage target, int32_t layer, uint8_t exact);
void drawReverse(Storage target, int32_t layer, uint8_t exact);
void drawSecured(Storage target, int32_t layer, uint8_t exact);
void drawDisabled(Storage target, int32_t layer, uint8_t exact);
void drawBadQuality(Storage target, int32_t layer, uint8_t exact);
void resize(Storage target, int32_t percent, int8_t anchor, uint8_t exact);
void shift(Storage target, int32_t dx, int32_t dy, uint8_t exact);
// The reference the method returned; 0 when nothing ran.
jref updateBoundingRectangle(Storage target, uint8_t exact);
void setPosition(Storage target, int32_t x, int32_t y, uint8_t exact);
void setRotationPoint(Storage target, int32_t x, int32_t y, uint8_t exact);
void updateCorePts(Storage target, uint8_t exact);
void addSystemLanguageFromNative(Storage target, int32_t slot, uint8_t exact);

}  // namespace zelmo::upcall
