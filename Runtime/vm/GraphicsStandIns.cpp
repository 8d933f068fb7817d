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

// A coordinate kept in 16 bits, as the rectangle's native keeps its box.
int32_t short16(int32_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v)); }

// One axis of resizeAsRectangle: its edges, design-time edges and centre fields.
struct AxisNames {
  const char *low, *high, *origLow, *origHigh, *centre, *origCentre;
};
constexpr AxisNames kHorizontal{"x1", "x2", "origX1", "origX2", "centerX", "origCenterX"};
constexpr AxisNames kVertical{"y1", "y2", "origY1", "origY2", "centerY", "origCenterY"};

enum class Keep { Low, High, Centre };

void resizeAxis(Vm& vm, jref self, const AxisNames& a, int32_t percent, Keep keep) {
  const auto get = [&](const char* name) { return vm.getInt(self, name); };
  const int32_t size =
      static_cast<int32_t>(static_cast<uint32_t>(plus(minus(get(a.origHigh), get(a.origLow)), 1)) *
                           static_cast<uint32_t>(percent)) /
      100;
  const auto scaled = [&](int32_t from) {
    return static_cast<int32_t>(static_cast<uint32_t>(minus(get(a.origCentre), from)) *
                                static_cast<uint32_t>(percent)) /
           100;
  };
  int32_t low = get(a.low);
  int32_t high = get(a.high);
  if (keep == Keep::Centre) {
    const int32_t c = centreOf(low, high);
    low = short16(plus(minus(c, size / 2), size % 2 == 0 ? 1 : 0));
    high = short16(plus(c, size / 2));
    if (high < low) low = high;
  } else if (keep == Keep::High) {
    low = short16(plus(minus(high, size), 1));
    vm.setInt(self, a.centre, short16(plus(high, scaled(get(a.origHigh)))));
    if (high < low) low = high;
  } else {
    high = short16(minus(plus(low, size), 1));
    vm.setInt(self, a.centre, short16(plus(low, scaled(get(a.origLow)))));
    if (high < low) high = low;
  }
  vm.setInt(self, a.low, low);
  vm.setInt(self, a.high, high);
}

// resize(IB)V: the box resized as the rectangle's native resizes its own, along the anchor's
// axis, from the design-time size, so that repeated resizes do not drift.
void resize(Frame& f) {
  resizeAsRectangle(f.vm(), f.self(), f.intArg(0), static_cast<int8_t>(f.intArg(1) & 0xFF));
}

}  // namespace

void resizeAsRectangle(Vm& vm, jref self, int32_t percent, int8_t anchor) {
  switch (anchor) {
    case 1:
      return resizeAxis(vm, self, kHorizontal, percent, Keep::Centre);
    case 2:
      return resizeAxis(vm, self, kHorizontal, percent, Keep::High);
    case 3:
      return resizeAxis(vm, self, kVertical, percent, Keep::High);
    case 4:
      return resizeAxis(vm, self, kVertical, percent, Keep::Centre);
    case 5:
      return resizeAxis(vm, self, kVertical, percent, Keep::Low);
    case 6:
      return resizeAxis(vm, self, kHorizontal, percent, Keep::Low);
    default:
      return;
  }
}

namespace {

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
