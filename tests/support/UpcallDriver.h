// A test native that makes one of the module's upcalls through the module's own bridge code:
// upcall(target, which, a, b, exact) on the class test/UpcallDriver. It notes what it saw
// around the upcall, for the test body to check after the call.
#pragma once

#include <cstddef>
#include <cstring>

#include "bridge/ManagedFrame.h"
#include "bridge/Upcalls.h"
#include "vm/Vm.h"

namespace zelmo::test {

inline constexpr const char* kDriver = "test/UpcallDriver";
inline constexpr const char* kDriverSignature = "upcall(Ljava/lang/Object;IIIB)V";
inline constexpr const char* kBoundsSignature =
    "updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;";

// The thirteen upcalls by number, each with up to two primitive arguments.
enum Which : int32_t {
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
  kAddSystemLanguage,
  kUpcallCount
};

struct UpcallSeen {
  std::ptrdiff_t refMoved = 0;   // slots the reference stack's top moved across the upcall
  std::ptrdiff_t primMoved = 0;  // likewise the primitive stack's
  jref returned = 0xFFFFFFFF;    // what updateBoundingRectangle gave
  int32_t firstWordAfter = 0;    // word 0 of the target's fields, read afresh after the upcall
  int32_t firstWordStale = 0;    // the same word read where the fields were before the upcall
};

inline UpcallSeen& upcallSeen() {
  static UpcallSeen seen;
  return seen;
}

inline void makeUpcall(Which which, Storage target, int32_t a, int32_t b, uint8_t exact) {
  switch (which) {
    case kDraw:
      return upcall::draw(target, a, exact);
    case kDrawBackground:
      return upcall::drawBackground(target, a, exact);
    case kDrawReverse:
      return upcall::drawReverse(target, a, exact);
    case kDrawSecured:
      return upcall::drawSecured(target, a, exact);
    case kDrawDisabled:
      return upcall::drawDisabled(target, a, exact);
    case kDrawBadQuality:
      return upcall::drawBadQuality(target, a, exact);
    case kResize:
      return upcall::resize(target, a, static_cast<int8_t>(b), exact);
    case kShift:
      return upcall::shift(target, a, b, exact);
    case kUpdateBoundingRectangle:
      upcallSeen().returned = upcall::updateBoundingRectangle(target, exact);
      return;
    case kSetPosition:
      return upcall::setPosition(target, a, b, exact);
    case kSetRotationPoint:
      return upcall::setRotationPoint(target, a, b, exact);
    case kUpdateCorePts:
      return upcall::updateCorePts(target, exact);
    case kAddSystemLanguage:
      return upcall::addSystemLanguageFromNative(target, a, exact);
    case kUpcallCount:
      return;
  }
}

inline void upcallDriver() {
  const ManagedFrame frame;
  const auto which = static_cast<Which>(frame.intArg(0));
  const int32_t a = frame.intArg(1);
  const int32_t b = frame.intArg(2);
  const auto exact = static_cast<uint8_t>(frame.byteArg(3));
  UpcallSeen& seen = upcallSeen();
  jslot* const refBefore = *get_psp();
  jslot* const primBefore = *get_npsp();
  const Storage before = fieldsOf(frame.refArg(1));
  makeUpcall(which, before, a, b, exact);
  seen.refMoved = *get_psp() - refBefore;
  seen.primMoved = *get_npsp() - primBefore;
  if (const Storage after = fieldsOf(frame.refArg(1))) {
    std::memcpy(&seen.firstWordAfter, after, 4);
    std::memcpy(&seen.firstWordStale, before, 4);
  }
}

// Defines the driver's class and registers the driver with the VM.
inline void installUpcallDriver(vm::Vm& vm) {
  upcallSeen() = UpcallSeen{};
  vm.defineClass(kDriver, "java/lang/Object", {});
  vm.registerNative(kDriver, kDriverSignature, upcallDriver);
}

// Makes the upcall from inside a driver native call.
inline void driveUpcall(vm::Vm& vm, Which which, jref target, int32_t a = 0, int32_t b = 0,
                        int8_t exact = 0) {
  vm.invoke(
      kDriver, kDriverSignature, vm.newObject(kDriver),
      {vm::Arg::ref(target), vm::Arg::i(which), vm::Arg::i(a), vm::Arg::i(b), vm::Arg::b(exact)});
}

}  // namespace zelmo::test
