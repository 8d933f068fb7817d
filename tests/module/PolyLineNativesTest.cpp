// The polyline natives, with hostile arrays and counts and objects moving at every upcall.
#include "support/UpcallLog.h"

namespace zelmo::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kPolyLine = "uxclasses/graphics/CuxPolyLine";

class PolyLineNativesTest : public UpcallLogTest {
 protected:
  // A polyline whose design-time box is the box of its points; line colour 200, back colour 7.
  jref polyline(std::vector<int32_t> xy, int32_t lineWidth = 1, int32_t lineEnd = 0) {
    const jref p = vm.newObject(kPolyLine);
    name(p, "line");
    int32_t x1 = xy[0], y1 = xy[1], x2 = xy[0], y2 = xy[1];
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
      x1 = std::min(x1, xy[i]), x2 = std::max(x2, xy[i]);
      y1 = std::min(y1, xy[i + 1]), y2 = std::max(y2, xy[i + 1]);
    }
    setFields(p,
              "x1 y1 x2 y2 origX1 origY1 origX2 origY2 lineColor backColor lineStyle lineWidth "
              "lineEnd pointCount",
              {x1, y1, x2, y2, x1, y1, x2, y2, 200, 7, 1, lineWidth, lineEnd,
               static_cast<int32_t>(xy.size() / 2)});
    vm.setRef(p, "points", vm.newIntArray(xy));
    vm.setRef(p, "basePoints", vm.newIntArray(xy));
    return p;
  }
  std::vector<int32_t> points(jref p) { return vm.intArray(vm.getRef(p, "points")); }
  Lines run(jref p, const char* signature, std::initializer_list<vm::Arg> args = {}) {
    clearEvents();
    call(kPolyLine, signature, p, args);
    return events();
  }
};

TEST_F(PolyLineNativesTest, DrawIsADotALineOrAPolyline) {
  const jref p = polyline({20, 30, 40, 50, 60, 10}, 3, 2);
  EXPECT_EQ(run(p, "draw(I)V", {I(5)}),
            Lines{"osGXdrawPolyline(3,[[20,30],[40,50],[60,10]],3,1,200,7,2)"});
  vm.setInt(p, "pointCount", 2);
  EXPECT_EQ(run(p, "draw(I)V", {I(5)}), Lines{"osGXdrawLine(20,30,40,50,3,1,200,7,2)"});
  vm.setInt(p, "pointCount", 1);  // a square of side lineWidth about the box corner (20, 10)
  EXPECT_EQ(run(p, "draw(I)V", {I(5)}), Lines{"osGXfillRectangle(19,9,21,11,0,200,1,0,0,0,0)"});
  vm.setByte(p, "lineWidth", 0);
  EXPECT_EQ(run(p, "draw(I)V", {I(5)}), Lines{"osGXfillRectangle(20,10,19,9,0,200,1,0,0,0,0)"});
  vm.setInt(p, "pointCount", 0);
  EXPECT_TRUE(run(p, "draw(I)V", {I(5)}).empty());
  // Counts are bounded by the array; a null array or negative count draws nothing.
  vm.setInt(p, "pointCount", 1000000);
  EXPECT_EQ(run(p, "draw(I)V", {I(5)}).size(), 1u);
  vm.setInt(p, "pointCount", -3);
  EXPECT_TRUE(run(p, "draw(I)V", {I(5)}).empty());
  vm.setInt(p, "pointCount", 3);
  vm.setRef(p, "points", 0);
  EXPECT_TRUE(run(p, "draw(I)V", {I(5)}).empty());
}

TEST_F(PolyLineNativesTest, UpdateCorePtsBoxesThePointsWithLineEndsAndThickLines) {
  const jref p = polyline({10, 20, 30, 5, 25, 40}, 5, 2);
  setFields(p, "x1 y1 x2 y2", {0, 0, 0, 0});
  // The first segment is passed from point 1 to point 0; its bounds widen the box, then a line
  // wider than 4 adds a pixel all round.
  EXPECT_EQ(run(p, "updateCorePts()V"),
            Lines{"osGXgetLineBoundingRect({30,5},{10,20},5,{8,3,32,22})"});
  EXPECT_EQ(ints(p, "x1 y1 x2 y2"), (std::vector<int32_t>{7, 2, 33, 41}));
  setFields(p, "lineEnd lineWidth", {3, 4});
  EXPECT_EQ(run(p, "updateCorePts()V"),
            (Lines{"osGXgetLineBoundingRect({30,5},{10,20},4,{8,3,32,22})",
                   "osGXgetLineBoundingRect({30,5},{25,40},4,{23,3,32,42})"}));
  EXPECT_EQ(ints(p, "x1 y1 x2 y2"), (std::vector<int32_t>{8, 3, 32, 42}));
  vm.setInt(p, "pointCount", 1);  // one point: no segment
  EXPECT_TRUE(run(p, "updateCorePts()V").empty());
  EXPECT_EQ(ints(p, "x1 y1 x2 y2"), (std::vector<int32_t>{10, 20, 10, 20}));
}

TEST_F(PolyLineNativesTest, MovesStartFromTheDesignTimePoints) {
  const jref p = polyline({10, 20, 30, 40});
  setFields(p, "origRotationX origRotationY origCenterX origCenterY", {10, 20, 20, 30});
  vm.relocateOnEveryCall = true;
  for (int twice = 0; twice < 2; ++twice) {
    EXPECT_EQ(run(p, "movePoints(II)V", {I(5), I(5)}), Lines{"upcall updateCorePts()V on line"});
    EXPECT_EQ(points(p), (std::vector<int32_t>{15, 15, 35, 35}));  // 5 right, 5 up
  }
  EXPECT_EQ(ints(p, "rotationX rotationY centerX centerY x1 y1 x2 y2"),
            (std::vector<int32_t>{15, 15, 25, 25, 15, 15, 35, 35}));
}

TEST_F(PolyLineNativesTest, RotatePointsTurnsAboutTheRotationPointAndKeepsTheAngleFields) {
  const jref p = polyline({10, 0, 20, 0});
  setFields(p, "rotationX rotationY angle rotated", {10, 0, 99, 0});
  EXPECT_EQ(run(p, "rotatePoints(I)V", {I(1570)}), Lines{"upcall updateCorePts()V on line"});
  EXPECT_EQ(points(p), (std::vector<int32_t>{10, 0, 10, 10}));
  EXPECT_EQ(ints(p, "centerX centerY x1 y1 x2 y2 angle rotated"),
            (std::vector<int32_t>{10, 5, 10, 0, 10, 10, 99, 0}));
}

TEST_F(PolyLineNativesTest, ResizePointsRewritesTheResizedAxisFromTheDesignTimePoints) {
  const jref p = polyline({10, 20, 30, 25, 50, 60});
  setFields(p, "origCenterX origCenterY centerX centerY", {30, 40, 30, 40});
  vm.setRef(p, "points", vm.newIntArray(std::vector<int32_t>{0, 1, 0, 2, 0, 3}));
  // 65636 % is 100 % once cut to 16 bits: the design-time points come back.
  EXPECT_EQ(run(p, "resizePoints(IBIB)V", {I(65636), B(6), I(100), B(5)}),
            Lines{"upcall updateCorePts()V on line"});
  EXPECT_EQ(points(p), (std::vector<int32_t>{10, 20, 30, 25, 50, 60}));
  // Half as wide from the left, against the box the managed resize already set; y untouched.
  setFields(p, "x1 x2", {10, 30});
  vm.setRef(p, "points", vm.newIntArray(std::vector<int32_t>{0, 1, 0, 2, 0, 3}));
  run(p, "resizePoints(IBIB)V", {I(50), B(6), I(50), B(1)});
  EXPECT_EQ(points(p), (std::vector<int32_t>{10, 1, 19, 2, 29, 3}));
  EXPECT_EQ(ints(p, "centerX centerY"), (std::vector<int32_t>{20, 40}));
}

TEST_F(PolyLineNativesTest, SetPositionPlacesTheDesignAndTurnsItAboutThePlacedRotationPoint) {
  const jref p = polyline({10, 10, 30, 10});
  setFields(p, "origRotationX origRotationY origCenterX origCenterY", {10, 10, 20, 10});
  vm.relocateOnEveryCall = true;
  // The base class's setPosition runs exactly (not this native again), then the box is renewed.
  EXPECT_EQ(
      run(p, "setPosition(II)V", {I(100), I(200)}),
      (Lines{"upcall setPosition(II)V on line exact 100 200", "upcall updateCorePts()V on line"}));
  EXPECT_EQ(points(p), (std::vector<int32_t>{100, 200, 120, 200}));
  EXPECT_EQ(ints(p, "rotationX rotationY centerX centerY x1 y1 x2 y2"),
            (std::vector<int32_t>{100, 200, 110, 200, 100, 200, 120, 200}));
  // Rotated a quarter turn: turned about (100, 200), where its rotation point was placed.
  setFields(p, "rotated angle", {1, 1570});
  EXPECT_EQ(run(p, "setPosition(II)V", {I(100), I(200)}),
            (Lines{"upcall setPosition(II)V on line exact 100 200",
                   "upcall updateCorePts()V on line", "upcall updateCorePts()V on line"}));
  EXPECT_EQ(points(p), (std::vector<int32_t>{100, 200, 100, 220}));
  EXPECT_EQ(ints(p, "centerX centerY"), (std::vector<int32_t>{100, 210}));
  // Placed coordinates keep 16 bits.
  vm.setByte(p, "rotated", 0);
  run(p, "setPosition(II)V", {I(65636), I(-65336)});
  EXPECT_EQ(points(p), (std::vector<int32_t>{100, 200, 120, 200}));
}

TEST_F(PolyLineNativesTest, HostileArraysAndCountsTouchOnlyWhatExists) {
  const jref p = polyline({10, 10, 30, 10, 50, 50});
  vm.setInt(p, "pointCount", 1 << 30);
  vm.setRef(p, "basePoints", vm.newIntArray(std::vector<int32_t>{1, 2, 3}));  // one whole pair
  run(p, "movePoints(II)V", {I(1), I(1)});
  EXPECT_EQ(points(p), (std::vector<int32_t>{2, 1, 30, 10, 50, 50}));
  run(p, "rotatePoints(I)V", {I(785)});
  run(p, "resizePoints(IBIB)V", {I(50), B(1), I(50), B(4)});
  for (const char* field : {"points", "basePoints"}) {
    vm.setRef(p, field, 0);
    // No point is touched, but the box is still asked for.
    const std::string boxAsked = "upcall updateCorePts()V on line";
    EXPECT_EQ(run(p, "movePoints(II)V", {I(1), I(2)}).back(), boxAsked) << field;
    EXPECT_EQ(run(p, "setPosition(II)V", {I(1), I(2)}).back(), boxAsked) << field;
    EXPECT_EQ(run(p, "resizePoints(IBIB)V", {I(50), B(1), I(50), B(4)}).back(), boxAsked) << field;
    run(p, "rotatePoints(I)V", {I(1570)});
    run(p, "updateCorePts()V");
    run(p, "draw(I)V", {I(0)});
  }
  for (const char* sig : {"draw(I)V", "rotatePoints(I)V"})
    call(kPolyLine, sig, std::nullopt, {I(1)});
  call(kPolyLine, "setPosition(II)V", std::nullopt, {I(1), I(1)});
}

// A managed override that swaps in a shorter point array and claims a huge count while the
// native is between its upcalls.
TEST_F(PolyLineNativesTest, AnUpcallThatReplacesThePointsIsFollowed) {
  vm.defineClass("test/ShrinkingPolyLine", kPolyLine, {});
  vm.defineMethod("test/ShrinkingPolyLine", "updateCorePts()V", [](vm::Frame& f) {
    f.vm().setRef(f.self(), "points", f.vm().newIntArray(std::vector<int32_t>{7, 8}));
    f.vm().setInt(f.self(), "pointCount", 1 << 28);
  });
  const jref p = vm.newObject("test/ShrinkingPolyLine");
  setFields(p, "pointCount rotated angle rotationX rotationY", {3, 1, 785, 0, 0});
  vm.setRef(p, "points", vm.newIntArray(std::vector<int32_t>{1, 1, 2, 2, 3, 3}));
  vm.setRef(p, "basePoints", vm.newIntArray(std::vector<int32_t>{1, 1, 2, 2, 3, 3}));
  vm.relocateOnEveryCall = true;
  call(kPolyLine, "setPosition(II)V", p, {I(10), I(10)});
  EXPECT_EQ(vm.intArray(vm.getRef(p, "points")).size(), 2u);
}

}  // namespace
}  // namespace zelmo::test
