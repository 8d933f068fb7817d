// Stand-ins for the managed methods polylines and rectangles override: a group moves and
// resizes its members through shift(II)V and resize(IB)V, and these members do it through their
// own natives, from their design-time geometry, so that repeated resizes do not drift.
#include <cstdint>

#include "vm/StandIns.h"

namespace vm {
namespace {

constexpr const char* kPolyLine = "uxclasses/graphics/CuxPolyLine";
constexpr const char* kRectangle = "uxclasses/graphics/CuxRectangle";

void callNative(Frame& f, const char* className, const char* signature,
                std::initializer_list<Arg> args) {
  if (const NativeMethod* n = f.vm().findNative(className, signature))
    f.vm().invoke(*n, f.self(), std::span<const Arg>(args.begin(), args.size()));
}

int8_t anchorArg(const Frame& f) { return static_cast<int8_t>(f.intArg(1) & 0xFF); }

// shift(II)V of a polyline: its design-time points moved by (dx, dy), dy counting upward.
void polyLineShift(Frame& f) {
  callNative(f, kPolyLine, "movePoints(II)V", {Arg::i(f.intArg(0)), Arg::i(f.intArg(1))});
}

// resize(IB)V of a polyline: the box as a rectangle's, then the points placed against it (the
// native honours each code on its own axis only).
void polyLineResize(Frame& f) {
  const int32_t percent = f.intArg(0);
  const int8_t anchor = anchorArg(f);
  resizeAsRectangle(f.vm(), f.self(), percent, anchor);
  callNative(f, kPolyLine, "resizePoints(IBIB)V",
             {Arg::i(percent), Arg::b(anchor), Arg::i(percent), Arg::b(anchor)});
}

// resize(IB)V of a rectangle: its own native, on the axis the anchor names (a code given for
// the other axis would recompute that axis's size too).
void rectangleResize(Frame& f) {
  const int32_t percent = f.intArg(0);
  const int8_t anchor = anchorArg(f);
  if (anchor == 1 || anchor == 2 || anchor == 6)
    callNative(f, kRectangle, "resizeRectangle(IBIB)V",
               {Arg::i(percent), Arg::b(anchor), Arg::i(0), Arg::b(0)});
  if (anchor == 3 || anchor == 4 || anchor == 5)
    callNative(f, kRectangle, "resizeRectangle(IBIB)V",
               {Arg::i(0), Arg::b(0), Arg::i(percent), Arg::b(anchor)});
}

constexpr StandIn kShapeStandIns[] = {
    {kPolyLine, "shift(II)V", polyLineShift},
    {kPolyLine, "resize(IB)V", polyLineResize},
    {kRectangle, "resize(IB)V", rectangleResize},
};

}  // namespace

void defineShapeStandIns(Vm& vm) { defineStandIns(vm, kShapeStandIns); }

}  // namespace vm
