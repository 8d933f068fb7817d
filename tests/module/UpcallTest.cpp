// Upcalls made through the module's bridge code by a driver native, into logging stand-ins
// in a VM of their own, so that the classes the upcalls name hold exactly what each test gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/ManagedFrame.h"
#include "support/UpcallDriver.h"
#include "vm/Vm.h"

namespace zelmo {
namespace {

using namespace test;  // the driver's upcall numbers

constexpr const char* kGraphics = "uxclasses/baseclasses/CuxGraphics";
constexpr const char* kComplexObj = "uxclasses/graphics/CuxComplexObj";
constexpr const char* kPolyLine = "uxclasses/graphics/CuxPolyLine";
constexpr const char* kLanguageMgr = "uxclasses/baseclasses/CuxLanguageMgr";
constexpr const char* kShape = "test/Shape";  // a CuxGraphics with draw(I)V of its own
struct Row {
  Which which;
  const char* className;
  const char* signature;
};

constexpr Row kRows[] = {
    {kDraw, kGraphics, "draw(I)V"},
    {kDrawBackground, kGraphics, "drawBackground(I)V"},
    {kDrawReverse, kGraphics, "drawReverse(I)V"},
    {kDrawSecured, kGraphics, "drawSecured(I)V"},
    {kDrawDisabled, kGraphics, "drawDisabled(I)V"},
    {kDrawBadQuality, kGraphics, "drawBadQuality(I)V"},
    {kResize, kGraphics, "resize(IB)V"},
    {kShift, kGraphics, "shift(II)V"},
    {kUpdateBoundingRectangle, kComplexObj, kBoundsSignature},
    {kSetPosition, kGraphics, "setPosition(II)V"},
    {kSetRotationPoint, kGraphics, "setRotationPoint(II)V"},
    {kUpdateCorePts, kPolyLine, "updateCorePts()V"},
    {kAddSystemLanguage, kLanguageMgr, "addSystemLanguageFromNative(I)V"},
};

class UpcallTest : public ::testing::Test {
 protected:
  UpcallTest() {
    vm.defineClass(kGraphics, "java/lang/Object", {{"x1", "I"}});
    vm.defineClass(kShape, kGraphics, {});
    vm.defineClass(kComplexObj, kGraphics, {});
    vm.defineClass(kPolyLine, kGraphics, {});
    vm.defineClass(kLanguageMgr, "java/lang/Object", {});
    test::installUpcallDriver(vm);
  }

  // A stand-in that logs "Class.signature [args]" and, for a reference result, returns `this`.
  void defineLogged(const char* className, const char* signature) {
    vm.defineMethod(className, signature, [this, className, signature](vm::Frame& f) {
      std::string entry = std::string(className) + "." + signature + " [";
      for (size_t i = 0; i < f.primCount; ++i)
        entry.append(i ? "," : "").append(std::to_string(f.intArg(i)));
      log.push_back(entry + "]");
      f.setRefResult(f.self());
    });
  }
  void defineAllLogged() {
    for (const Row& row : kRows) defineLogged(row.className, row.signature);
  }

  void upcall(Which which, jref target, int32_t a = 0, int32_t b = 0, int8_t exact = 0) {
    test::driveUpcall(vm, which, target, a, b, exact);
  }
  const test::UpcallSeen& seen = test::upcallSeen();

  void expectStacksAtRest() const {
    EXPECT_EQ(vm.psp, vm.refStackTop());
    EXPECT_EQ(vm.npsp, vm.primStackTop());
  }

  vm::Vm vm;
  std::vector<std::string> log;
};

TEST_F(UpcallTest, EachSlotRegistersOnceAtItsFirstUpcallAndPassesItsArguments) {
  defineAllLogged();
  const jref shape = vm.newObject(kShape);
  const jref group = vm.newObject(kComplexObj);
  const jref polyline = vm.newObject(kPolyLine);
  const jref languages = vm.newObject(kLanguageMgr);
  const auto receiverFor = [&](Which w) {
    return w == kUpdateBoundingRectangle ? group
           : w == kUpdateCorePts         ? polyline
           : w == kAddSystemLanguage     ? languages
                                         : shape;
  };
  for (int round = 0; round < 2; ++round)
    for (const Row& row : kRows) upcall(row.which, receiverFor(row.which), 7, -3);

  EXPECT_EQ(vm.methodSlotRegistrations(), static_cast<size_t>(kUpcallCount));
  std::vector<std::string> expected;
  for (const char* args : {"[7]", "[7]", "[7]", "[7]", "[7]", "[7]", "[7,-3]", "[7,-3]", "[]",
                           "[7,-3]", "[7,-3]", "[]", "[7]"}) {
    const Row& row = kRows[expected.size()];
    expected.push_back(std::string(row.className) + "." + row.signature + " " + args);
  }
  const std::vector<std::string> once = expected;
  expected.insert(expected.end(), once.begin(), once.end());
  EXPECT_EQ(log, expected);
  EXPECT_EQ(seen.refMoved, 0);
  EXPECT_EQ(seen.primMoved, 0);
}

TEST_F(UpcallTest, ARegistrationThatFailsRunsNothingLeavesTheStacksAndIsRetried) {
  const jref group = vm.newObject(kComplexObj);
  for (int twice = 0; twice < 2; ++twice) {
    upcall(kUpdateBoundingRectangle, group);
    EXPECT_EQ(seen.returned, 0u);
    EXPECT_EQ(seen.refMoved, 0);
    EXPECT_EQ(seen.primMoved, 0);
  }
  EXPECT_EQ(vm.methodSlotRegistrations(), 2u);
  EXPECT_TRUE(log.empty());

  defineLogged(kComplexObj, kBoundsSignature);
  for (int twice = 0; twice < 2; ++twice) {
    upcall(kUpdateBoundingRectangle, group);
    EXPECT_EQ(seen.returned, group);  // the result, with the reference stack as before
    EXPECT_EQ(seen.refMoved, 0);
    EXPECT_EQ(seen.primMoved, 0);
  }
  EXPECT_EQ(vm.methodSlotRegistrations(), 3u);
  EXPECT_EQ(log.size(), 2u);
  expectStacksAtRest();
}

TEST_F(UpcallTest, NullOrForeignReceiversRunNothingAndANullOneRegistersNothing) {
  defineAllLogged();
  for (const Row& row : kRows) upcall(row.which, 0, 1, 2);
  EXPECT_EQ(vm.methodSlotRegistrations(), 0u);
  upcall(kDraw, vm.newObject(kLanguageMgr), 1, 0, 0);
  upcall(kDraw, vm.newObject(kLanguageMgr), 1, 0, 1);
  upcall(kUpdateBoundingRectangle, vm.newObject(kShape));
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(seen.returned, 0u);
  EXPECT_EQ(seen.refMoved, 0);
}

TEST_F(UpcallTest, VirtualDispatchFindsTheReceiversOverrideAndExactDispatchTheSlotClasss) {
  defineLogged(kGraphics, "draw(I)V");
  defineLogged(kShape, "draw(I)V");
  const jref shape = vm.newObject(kShape);
  upcall(kDraw, shape, 1, 0, 0);
  upcall(kDraw, shape, 2, 0, 1);
  upcall(kDraw, vm.newObject(kComplexObj), 3, 0, 0);  // inherits CuxGraphics's
  EXPECT_EQ(log, (std::vector<std::string>{std::string(kShape) + ".draw(I)V [1]",
                                           std::string(kGraphics) + ".draw(I)V [2]",
                                           std::string(kGraphics) + ".draw(I)V [3]"}));
}

int nativeDraws = 0;

TEST_F(UpcallTest, ANativeWinsOverAStandInOfTheSameClass) {
  defineLogged(kShape, "draw(I)V");
  defineLogged(kGraphics, "draw(I)V");
  vm.registerNative(kShape, "draw(I)V", [] { ++nativeDraws; });
  upcall(kDraw, vm.newObject(kShape), 1);
  EXPECT_EQ(nativeDraws, 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(UpcallTest, FaultsInsideAnUpcallAreReportedByTheOutermostCall) {
  vm.defineMethod(kGraphics, "draw(I)V", [](vm::Frame& f) { f.vm().getInt(f.self(), "absent"); });
  EXPECT_THROW(upcall(kDraw, vm.newObject(kShape), 1), std::logic_error);
  expectStacksAtRest();
  vm.registerNative(kShape, "draw(I)V", [] { --*get_npsp(); });  // leaves a slot pushed
  EXPECT_THROW(upcall(kDraw, vm.newObject(kShape), 1), std::logic_error);
  expectStacksAtRest();
}

// A group that holds itself: its draw(I)V draws its "children", itself twice.
int groupDraws = 0;
void selfHoldingGroupDraw() {
  ++groupDraws;
  const ManagedFrame frame;
  upcall::draw(frame.thisFields(), frame.intArg(0), 0);
  upcall::draw(frame.thisFields(), frame.intArg(0), 0);
}

TEST_F(UpcallTest, NestingDeeperThanTheLimitIsRefusedAndReported) {
  defineLogged(kGraphics, "draw(I)V");
  vm.registerNative(kShape, "draw(I)V", selfHoldingGroupDraw);
  try {
    vm.invoke(kShape, "draw(I)V", vm.newObject(kShape), {vm::Arg::i(0)});
    ADD_FAILURE() << "no report";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("nested deeper than 256"), std::string::npos) << e.what();
  }
  // The first call and 256 nested ones; once refused, every further upcall of the call is too.
  EXPECT_EQ(groupDraws, 1 + vm::Vm::kMaxUpcallDepth);
  expectStacksAtRest();

  groupDraws = 0;  // the next call starts afresh
  EXPECT_THROW(vm.invoke(kShape, "draw(I)V", vm.newObject(kShape), {vm::Arg::i(0)}),
               std::logic_error);
  EXPECT_EQ(groupDraws, 1 + vm::Vm::kMaxUpcallDepth);
}

TEST_F(UpcallTest, TheObserverSeesEachUpcallBeforeItsBodyRuns) {
  std::vector<std::string> events;
  vm.upcallObserver = [&](const vm::UpcallEvent& e) {
    std::string entry = e.className + "." + e.signature + (e.isVirtual ? " virtual" : " exact");
    for (const int32_t a : e.args) entry.append(" ").append(std::to_string(a));
    events.push_back(entry + (e.receiver ? "" : " null"));
  };
  vm.defineMethod(kGraphics, "resize(IB)V", [&](vm::Frame&) { events.push_back("body"); });
  upcall(kResize, vm.newObject(kShape), -5, 0x80, 1);
  EXPECT_EQ(events, (std::vector<std::string>{std::string(kGraphics) + ".resize(IB)V exact -5 -128",
                                              "body"}));
}

// The module keeps a registered slot for as long as it stays loaded, while a process may run one
// VM after another under it: a slot registered in one VM must name the same method in the next.
TEST(UpcallSlotsTest, ASlotRegisteredInOneVmNamesTheSameMethodInTheNext) {
  std::vector<std::string> log;
  for (int round = 0; round < 2; ++round) {
    vm::Vm vm;
    vm.defineClass(kGraphics, "java/lang/Object", {});
    vm.defineClass(kPolyLine, kGraphics, {});
    test::installUpcallDriver(vm);
    vm.defineMethod(kGraphics, "draw(I)V", [&](vm::Frame&) { log.push_back("draw"); });
    vm.defineMethod(kPolyLine, "updateCorePts()V",
                    [&](vm::Frame&) { log.push_back("updateCorePts"); });
    const jref polyline = vm.newObject(kPolyLine);
    // The first VM numbers draw(I)V before updateCorePts()V; the second registers nothing.
    if (round == 0) test::driveUpcall(vm, kDraw, polyline, 0, 0, 0);
    test::driveUpcall(vm, kUpdateCorePts, polyline, 0, 0, 0);
    EXPECT_EQ(vm.psp, vm.refStackTop());
    EXPECT_EQ(vm.npsp, vm.primStackTop());
  }
  EXPECT_EQ(log, (std::vector<std::string>{"draw", "updateCorePts", "updateCorePts"}));
}

}  // namespace
}  // namespace zelmo
