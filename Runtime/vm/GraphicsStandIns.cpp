// Stand-ins for the generic methods of uxclasses/baseclasses/CuxGraphics that a group calls on
// its members. Subclasses with natives of the same signature (an ellipse's draw(I)V) override
// them. Positions wrap at 32 bits as the managed ints do.
#include <cstdint>
#include <string>

#include "vm/StandIns.h"

namespace vm {
namespace {

constexpr const char* kGraphics = "uxclasses/baseclasses/CuxGraphics";

int32_t plus(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t minus(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
// The integer centre of the inclusive range a..b, as the module's groups compute it.
int32_t centreOf(int32_t a, int32_t b) {
  int64_t d = int64_t{b} - a;
  if (d % 2 != 0) d = int64_t{b} - 1 - a;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(a) + d / 2));
}

bool isA(Vm& vm, jref object, const char* className) {
  const ClassDef* cls = vm.findClass(className);
  return cls && vm.classOf(object).isSubclassOf(*cls);
}

// The native registered for the object's class or its nearest superclass.
const NativeMethod* nativeOf(Vm& vm, jref object, const char* signature) {
  for (const ClassDef* c = &vm.classOf(object); c; c = c->superclass())
    if (const NativeMethod* n = vm.findNative(c->name(), signature)) return n;
  return nullptr;
}

void callNative(Frame& f, const char* signature, std::initializer_list<Arg> args) {
  if (const NativeMethod* n = nativeOf(f.vm(), f.self(), signature))
    f.vm().invoke(*n, f.self(), std::span<const Arg>(args.begin(), args.size()));
}

// draw(I)V: shapes without a draw(I)V of their own draw through their own natives.
void draw(Frame& f) {
  const int32_t layer = f.intArg(0);
  if (isA(f.vm(), f.self(), "uxclasses/graphics/CuxPolygon")) {
    callNative(f, "drawPolygon(I)V", {Arg::i(layer)});
  } else if (isA(f.vm(), f.self(), "uxclasses/graphics/CuxText")) {
    callNative(f, "draw(II)V", {Arg::i(layer), Arg::i(0)});
  }
}

// drawBackground, drawReverse, drawSecured, drawDisabled, drawBadQuality: the managed library
// draws these looks itself; here they draw nothing.
void drawNothing(Frame&) {}

// Moves a point pair field by (dx, dy) from another pair.
void movePair(Frame& f, const char* toX, const char* toY, const char* fromX, const char* fromY,
              int32_t dx, int32_t dy) {
  Vm& vm = f.vm();
  const jref self = f.self();
  vm.setInt(self, toX, plus(vm.getInt(self, fromX), dx));
  vm.setInt(self, toY, plus(vm.getInt(self, fromY), dy));
}

// shift(II)V: the design-time geometry moved by (dx, dy), dy counting upward.
void shift(Frame& f) {
  const int32_t dx = f.intArg(0);
  const int32_t dy = minus(0, f.intArg(1));
  movePair(f, "x1", "y1", "origX1", "origY1", dx, dy);
  movePair(f, "x2", "y2", "origX2", "origY2", dx, dy);
  movePair(f, "centerX", "centerY", "origCenterX", "origCenterY", dx, dy);
  movePair(f, "rotationX", "rotationY", "origRotationX", "origRotationY", dx, dy);
}

// setPosition(II)V: the current box moves, size kept, so that it starts at (x, y); the centre
// and the rotation point move with it.
void setPosition(Frame& f) {
  Vm& vm = f.vm();
  const jref self = f.self();
  const int32_t dx = minus(f.intArg(0), vm.getInt(self, "x1"));
  const int32_t dy = minus(f.intArg(1), vm.getInt(self, "y1"));
  for (const auto& [x, y] : {std::pair{"x1", "y1"}, std::pair{"x2", "y2"},
                             std::pair{"centerX", "centerY"}, std::pair{"rotationX", "rotationY"}})
    movePair(f, x, y, x, y, dx, dy);
}

// setRotationPoint(II)V: the rotation point at the given offset from the centre of the box.
void setRotationPoint(Frame& f) {
  Vm& vm = f.vm();
  const jref self = f.self();
  vm.setInt(self, "rotationX",
            plus(centreOf(vm.getInt(self, "x1"), vm.getInt(self, "x2")), f.intArg(0)));
  vm.setInt(self, "rotationY",
            plus(centreOf(vm.getInt(self, "y1"), vm.getInt(self, "y2")), f.intArg(1)));
}

// The new inclusive extent of one axis: `size` pixels, the design-time extent scaled by the
// percentage, kept at the edge or centre the anchor says.
enum class Keep { Start, End, Centre };
void resizeAxis(Frame& f, const char* lowName, const char* highName, const char* origLow,
                const char* origHigh, int32_t percent, Keep keep) {
  Vm& vm = f.vm();
  const jref self = f.self();
  const int64_t designed = int64_t{vm.getInt(self, origHigh)} - vm.getInt(self, origLow) + 1;
  const auto size = static_cast<int32_t>(static_cast<uint32_t>(designed * percent / 100));
  int32_t low = vm.getInt(self, lowName);
  int32_t high = vm.getInt(self, highName);
  if (keep == Keep::Start) {
    high = minus(plus(low, size), 1);
  } else if (keep == Keep::End) {
    low = plus(minus(high, size), 1);
  } else {
    low = minus(centreOf(low, high), size / 2);
    high = minus(plus(low, size), 1);
  }
  vm.setInt(self, lowName, low);
  vm.setInt(self, highName, high);
}

// resize(IB)V: the box resized by a percentage of the design-time box along the anchor's axis;
// the centre follows the box.
void resize(Frame& f) {
  const int32_t percent = f.intArg(0);
  const auto anchor = static_cast<int8_t>(f.intArg(1) & 0xFF);
  switch (anchor) {
    case 1:
      resizeAxis(f, "x1", "x2", "origX1", "origX2", percent, Keep::Centre);
      break;
    case 2:
      resizeAxis(f, "x1", "x2", "origX1", "origX2", percent, Keep::End);
      break;
    case 3:
      resizeAxis(f, "y1", "y2", "origY1", "origY2", percent, Keep::End);
      break;
    case 4:
      resizeAxis(f, "y1", "y2", "origY1", "origY2", percent, Keep::Centre);
      break;
    case 5:
      resizeAxis(f, "y1", "y2", "origY1", "origY2", percent, Keep::Start);
      break;
    case 6:
      resizeAxis(f, "x1", "x2", "origX1", "origX2", percent, Keep::Start);
      break;
    default:
      return;
  }
  Vm& vm = f.vm();
  const jref self = f.self();
  vm.setInt(self, "centerX", centreOf(vm.getInt(self, "x1"), vm.getInt(self, "x2")));
  vm.setInt(self, "centerY", centreOf(vm.getInt(self, "y1"), vm.getInt(self, "y2")));
}

constexpr StandIn kGraphicsStandIns[] = {
    {kGraphics, "draw(I)V", draw},
    {kGraphics, "drawBackground(I)V", drawNothing},
    {kGraphics, "drawReverse(I)V", drawNothing},
    {kGraphics, "drawSecured(I)V", drawNothing},
    {kGraphics, "drawDisabled(I)V", drawNothing},
    {kGraphics, "drawBadQuality(I)V", drawNothing},
    {kGraphics, "resize(IB)V", resize},
    {kGraphics, "shift(II)V", shift},
    {kGraphics, "setPosition(II)V", setPosition},
    {kGraphics, "setRotationPoint(II)V", setRotationPoint},
};

}  // namespace

void defineGraphicsStandIns(Vm& vm) { defineStandIns(vm, kGraphicsStandIns); }

}  // namespace vm
