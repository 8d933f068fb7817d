// The upcall lines of zelmo-panel's --trace, among the drawing calls: a driver native makes the
// upcalls, a stand-in draws one line so the order shows.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "gx/Recorder.h"
#include "panel/UpcallTrace.h"
#include "platform/DrawingService.h"
#include "support/UpcallDriver.h"

namespace zelmo::test {
namespace {

constexpr const char* kGraphics = "uxclasses/baseclasses/CuxGraphics";
constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";

class UpcallTraceTest : public ::testing::Test {
 protected:
  UpcallTraceTest() {
    vm.defineClass(kGraphics, "java/lang/Object", {});
    vm.defineClass(kEllipse, kGraphics, {});
    installUpcallDriver(vm);
    vm.defineMethod(kGraphics, "draw(I)V",
                    [](vm::Frame& f) { osGXdrawLine(f.intArg(0), 0, 0, 0, 1, 1, 0, 0, 0); });
    vm.defineMethod(kGraphics, "resize(IB)V", [](vm::Frame&) {});
    gx::installService(&recorder);
  }
  ~UpcallTraceTest() override { gx::installService(nullptr); }

  std::string written() const {
    std::ostringstream out;
    trace.write(out);
    return out.str();
  }

  vm::Vm vm;
  gx::Recorder recorder;
  panel::Bindings names;
  panel::UpcallTrace trace{vm, recorder, names};
};

TEST_F(UpcallTraceTest, EachUpcallIsALineBeforeTheCallsItsMethodMakes) {
  const jref tank = vm.newObject(kEllipse);
  names.bind("tank1", tank);
  driveUpcall(vm, kDraw, tank, 3, 0, 0);
  driveUpcall(vm, kResize, vm.newObject(kEllipse), 50, -6, 1);
  const std::string line = R"({"fn":"osGXdrawLine","x1":3,"y1":0,"x2":0,"y2":0,)"
                           R"("lineWidth":1,"lineStyle":1,"color":0,"backColor":0,"lineEnd":0})";
  EXPECT_EQ(written(),
            R"({"upcall":"draw(I)V","class":"uxclasses/baseclasses/CuxGraphics","on":"tank1",)"
            R"("virtual":true,"args":[3]})"
            "\n" +
                line +
                "\n"
                R"({"upcall":"resize(IB)V","class":"uxclasses/baseclasses/CuxGraphics",)"
                R"("on":"<uxclasses/graphics/CuxEllipse>","virtual":false,"args":[50,-6]})"
                "\n");
}

TEST_F(UpcallTraceTest, TheReceiverIsNamedByTheFirstIdThatStillNamesIt) {
  const jref tank = vm.newObject(kEllipse);
  names.bind("tank", tank);
  names.bind("again", tank);  // a call's result naming the same object
  EXPECT_EQ(names.idOf(tank), "tank");
  names.bind("tank", 7);  // rebound to an int
  EXPECT_EQ(names.idOf(tank), "again");
  names.bind("again", 0u);
  EXPECT_EQ(names.idOf(tank), "");
}

// Once the panel names screen calls, an upcall line names the call it ran in, as drawing lines do.
TEST_F(UpcallTraceTest, UpcallLinesNameTheScreenCallTheyRanIn) {
  recorder.setCall(5);
  driveUpcall(vm, kDraw, vm.newObject(kEllipse), 3, 0, 0);
  ASSERT_EQ(trace.upcalls().size(), 1u);
  EXPECT_EQ(trace.upcalls()[0].second["call"], 5);
  EXPECT_EQ(recorder.calls().at(0)["call"], 5);
}

TEST_F(UpcallTraceTest, RegistrationsAndRefusedUpcallsWriteNothing) {
  driveUpcall(vm, kShift, vm.newObject(kEllipse), 1, 2);  // no such method: registration fails
  driveUpcall(vm, kDraw, 0, 1);                           // null receiver: no upcall
  EXPECT_EQ(written(), "");
}

}  // namespace
}  // namespace zelmo::test
