// Upcalls into the loaded module and the managed library's stand-ins: a driver native makes
// each upcall as a group or polyline native would, on real shapes.
#include <string>
#include <vector>

#include "support/ModuleFixture.h"
#include "support/UpcallDriver.h"

namespace zelmo::test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";
constexpr const char* kPolygon = "uxclasses/graphics/CuxPolygon";
constexpr const char* kText = "uxclasses/graphics/CuxText";

class ManagedStandInTest : public ModuleTest {
 protected:
  ManagedStandInTest() { installUpcallDriver(vm); }

  jref ellipse() {
    const jref e = vm.newObject(kEllipse);
    setFields(e, "x1 y1 x2 y2 fillColor backColor lineColor lineStyle lineWidth fillPattern",
              {10, 20, 50, 40, 100, 7, 200, 1, 2, 1});
    return e;
  }
  // A shape whose design-time box, centre and rotation point differ from its current ones.
  jref placed(const char* className) {
    const jref s = vm.newObject(className);
    setFields(s,
              "x1 y1 x2 y2 origX1 origY1 origX2 origY2 centerX centerY origCenterX origCenterY "
              "rotationX rotationY origRotationX origRotationY",
              {100, 200, 139, 229, 10, 20, 49, 49, 120, 215, 30, 35, 1, 2, 3, 4});
    return s;
  }
  Lines drawnBy(Which which, jref target, int32_t layer, int8_t exact) {
    recorder.clear();
    driveUpcall(vm, which, target, layer, 0, exact);
    return drawn();
  }
  Lines drawnDirectly(const char* className, const char* signature, jref target,
                      std::initializer_list<vm::Arg> args) {
    recorder.clear();
    call(className, signature, target, args);
    return drawn();
  }

  static constexpr const char* kDesign =
      "origX1 origY1 origX2 origY2 origCenterX origCenterY "
      "origRotationX origRotationY";
};

TEST_F(ManagedStandInTest, VirtualDrawReachesTheEllipsesNativeExactDrawAndDrawStatesDrawNothing) {
  const jref e = ellipse();
  const Lines direct = drawnDirectly(kEllipse, "draw(I)V", e, {I(4)});
  ASSERT_FALSE(direct.empty());
  EXPECT_EQ(drawnBy(kDraw, e, 4, 0), direct);
  EXPECT_TRUE(drawnBy(kDraw, e, 4, 1).empty());
  for (const Which w :
       {kDrawBackground, kDrawReverse, kDrawSecured, kDrawDisabled, kDrawBadQuality})
    EXPECT_TRUE(drawnBy(w, e, 4, 0).empty()) << w;  // the draw states are the library's own
}

TEST_F(ManagedStandInTest, GenericDrawRunsThePolygonsAndTheTextsOwnDraw) {
  const jref polygon = vm.newObject(kPolygon);
  setFields(polygon, "fillColor backColor lineColor lineStyle lineWidth fillPattern pointCount",
            {100, 7, 200, 1, 2, 1, 3});
  vm.setRef(polygon, "points", vm.newIntArray(std::vector<int32_t>{0, 0, 10, 0, 5, 8}));
  const Lines polygonDirect = drawnDirectly(kPolygon, "drawPolygon(I)V", polygon, {I(2)});
  ASSERT_FALSE(polygonDirect.empty());

  const jref text = vm.newObject(kText);
  setFields(text, "x1 y1 x2 y2 lineWidth lineStyle", {10, 20, 109, 59, 2, 1});
  vm.setRef(text, "text", vm.newStringUtf8("Tank"));
  const jref font = vm.newObject("uxclasses/graphics/CuxFont");
  vm.setInt(font, "fontHandle", 77);
  vm.setRef(text, "textFont", font);
  const Lines textDirect = drawnDirectly(kText, "draw(II)V", text, {I(2), I(0)});
  ASSERT_FALSE(textDirect.empty());

  for (const int8_t exact : {0, 1}) {
    EXPECT_EQ(drawnBy(kDraw, polygon, 2, exact), polygonDirect);
    EXPECT_EQ(drawnBy(kDraw, text, 2, exact), textDirect);
  }
}

// On a shape whose design-time box 10..49 x 20..49 differs from its current box 100..139 x
// 200..229; the design-time fields never change.
TEST_F(ManagedStandInTest, PlacingUpcallsWorkFromTheDesignTimeGeometry) {
  const char* const moved = "x1 y1 x2 y2 centerX centerY rotationX rotationY";
  const struct {
    Which which;
    int32_t a, b;
    const char* fields;
    std::vector<int32_t> expected;
  } cases[] = {
      // The design-time geometry moved, dy upwards.
      {kShift, 5, 7, moved, {15, 13, 54, 42, 35, 28, 8, -3}},
      {kSetPosition, 0, -10, moved, {0, -10, 39, 19, 20, 5, -99, -208}},
      // An offset from the centre of the box (119, 214).
      {kSetRotationPoint, 3, -4, "rotationX rotationY centerX centerY", {122, 210, 120, 215}},
      {kResize, 50, 6, "x1 y1 x2 y2", {100, 200, 119, 229}},   // left edge kept
      {kResize, 50, 2, "x1 y1 x2 y2", {120, 200, 139, 229}},   // right edge kept
      {kResize, 50, 1, "x1 y1 x2 y2", {110, 200, 129, 229}},   // centred: even sizes gain above
      {kResize, 200, 5, "x1 y1 x2 y2", {100, 200, 139, 259}},  // top edge kept
      {kResize, 200, 3, "x1 y1 x2 y2", {100, 170, 139, 229}},  // bottom edge kept
      {kResize, 100, 4, "x1 y1 x2 y2", {100, 200, 139, 229}},  // 100 % gives the box back
      {kResize, 50, 0, "x1 y1 x2 y2", {100, 200, 139, 229}},   // no axis: unchanged
  };
  for (const auto& c : cases) {
    const jref s = placed(kEllipse);
    driveUpcall(vm, c.which, s, c.a, c.b);
    EXPECT_EQ(ints(s, c.fields), c.expected) << c.which << " " << c.a << " " << c.b;
    EXPECT_EQ(ints(s, kDesign), (std::vector<int32_t>{10, 20, 49, 49, 30, 35, 3, 4}));
  }
}

TEST_F(ManagedStandInTest, UnderRelocationANativeSeesTheCalleesWritesAfresh) {
  vm.relocateOnEveryCall = true;
  const jref s = placed(kEllipse);
  driveUpcall(vm, kShift, s, 5, 7);
  const UpcallSeen& seen = upcallSeen();
  EXPECT_EQ(seen.firstWordAfter, 15);  // x1 after the shift, through the forwarding word
  EXPECT_NE(seen.firstWordStale, 15);  // where the fields were: the object has moved away
  EXPECT_EQ(vm.getInt(s, "x1"), 15);
}

}  // namespace
}  // namespace zelmo::test
