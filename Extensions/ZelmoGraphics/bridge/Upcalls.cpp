#include "bridge/Upcalls.h"

#include <cstddef>
#include <initializer_list>

#include "platform/VmInterface.h"

namespace zelmo::upcall {
namespace {

// The managed methods the module calls back, one method slot each.
enum Target : uint8_t {
  kDraw,
  kDrawBackground,
  kDrawReverse,
  kDrawSecured,
  kDrawDisabled,
  kDrawBadQuality,
  kResize,
  kShift,
  kUpdateBoundingRectangle,
  kSetPosition,
  kSetRotationPoint,
  kUpdateCorePts,
  kAddSystemLanguageFromNative,
  kTargetCount
};

struct Method {
  const char* className;
  const char* signature;
};

constexpr const char* kGraphics = "uxclasses/baseclasses/CuxGraphics";

constexpr Method kMethods[kTargetCount] = {
    {kGraphics, "draw(I)V"},
    {kGraphics, "drawBackground(I)V"},
    {kGraphics, "drawReverse(I)V"},
    {kGraphics, "drawSecured(I)V"},
    {kGraphics, "drawDisabled(I)V"},
    {kGraphics, "drawBadQuality(I)V"},
    {kGraphics, "resize(IB)V"},
    {kGraphics, "shift(II)V"},
    {"uxclasses/graphics/CuxComplexObj",
     "updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;"},
    {kGraphics, "setPosition(II)V"},
    {kGraphics, "setRotationPoint(II)V"},
    {"uxclasses/graphics/CuxPolyLine", "updateCorePts()V"},
    {"uxclasses/baseclasses/CuxLanguageMgr", "addSystemLanguageFromNative(I)V"},
};

// One method number per target; negative until registered, which happens at the first upcall
// of its kind and is tried again at the next one while it stays negative.
int16_t slots[kTargetCount] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

void push(jslot** top, jslot value) {
  --*top;
  **top = value;
}

// Pushes the receiver and the primitive arguments, then runs the method. Returns false, with
// the stacks as they were, when no method could be registered for the target: nothing would
// take the arguments off again, and the calling native would leave the stacks unbalanced.
bool invoke(Target target, Storage receiver, std::initializer_list<int32_t> args, uint8_t exact) {
  if (!receiver) return false;
  jslot* const refBefore = *get_psp();
  jslot* const primBefore = *get_npsp();
  push(get_psp(), tendPtr(receiver));
  for (const int32_t a : args) push(get_npsp(), static_cast<jslot>(a));

  int16_t& slot = slots[target];
  if (slot < 0) RegisterMethod(&slot, kMethods[target].className, kMethods[target].signature);
  if (slot < 0) {
    *get_psp() = refBefore;
    *get_npsp() = primBefore;
    return false;
  }
  const MethodPtr method = GetMethodPtr(slot);
  if (exact != 0) {
    fastInvoke(method);
  } else {
    fastInvokeVirtual(method);
  }
  return true;
}

}  // namespace

void draw(Storage target, int32_t layer, uint8_t exact) { invoke(kDraw, target, {layer}, exact); }

void drawBackground(Storage target, int32_t layer, uint8_t exact) {
  invoke(kDrawBackground, target, {layer}, exact);
}

void drawReverse(Storage target, int32_t layer, uint8_t exact) {
  invoke(kDrawReverse, target, {layer}, exact);
}

void drawSecured(Storage target, int32_t layer, uint8_t exact) {
  invoke(kDrawSecured, target, {layer}, exact);
}

void drawDisabled(Storage target, int32_t layer, uint8_t exact) {
  invoke(kDrawDisabled, target, {layer}, exact);
}

void drawBadQuality(Storage target, int32_t layer, uint8_t exact) {
  invoke(kDrawBadQuality, target, {layer}, exact);
}

void resize(Storage target, int32_t percent, int8_t anchor, uint8_t exact) {
  // A byte travels sign-extended in its 32-bit slot.
  invoke(kResize, target, {percent, static_cast<int32_t>(anchor)}, exact);
}

void shift(Storage target, int32_t dx, int32_t dy, uint8_t exact) {
  invoke(kShift, target, {dx, dy}, exact);
}

jref updateBoundingRectangle(Storage target, uint8_t exact) {
  jslot* const before = *get_psp();
  if (!invoke(kUpdateBoundingRectangle, target, {}, exact)) return 0;
  // The method leaves its result pushed; take it off so the stack is as before.
  jslot*& top = *get_psp();
  if (top >= before) return 0;
  const jref result = *top;
  ++top;
  return result;
}

void setPosition(Storage target, int32_t x, int32_t y, uint8_t exact) {
  invoke(kSetPosition, target, {x, y}, exact);
}

void setRotationPoint(Storage target, int32_t x, int32_t y, uint8_t exact) {
  invoke(kSetRotationPoint, target, {x, y}, exact);
}

void updateCorePts(Storage target, uint8_t exact) { invoke(kUpdateCorePts, target, {}, exact); }

void addSystemLanguageFromNative(Storage target, int32_t slot, uint8_t exact) {
  invoke(kAddSystemLanguageFromNative, target, {slot}, exact);
}

}  // namespace zelmo::upcall
