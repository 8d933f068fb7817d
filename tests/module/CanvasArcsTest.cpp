// Arcs, pies and thick arcs of the canvas, driven through the VM stand-in and checked against the
// recorded drawing-service calls. The box (10, 20, 100, 60) is the ellipse {10,20,109,79} with
// centre (60, 50); its right-angle points are 0: (110,50), 90: (60,20), 180: (10,50),
// 270: (60,80).
#include <climits>
#include <string_view>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using Calls = std::vector<std::string>;
using Args = std::vector<vm::Arg>;

class CanvasArcsTest : public ModuleTest {
 protected:
  // Width and style have bits above 8, so each call shows how wide it takes them.
  CanvasArcsTest() {
    setFields(canvas, "color backColor fillPattern lineWidth lineStyle layer",
              {11, 22, 0x101, 0x102, 0x103, 4});
  }

  Calls draw(const char* signature, const Args& args) {
    return canvasDraw(signature, args, canvas);
  }

  void translate(int32_t x, int32_t y) { canvasCall(canvas, "setTransform(II)V", {I(x), I(y)}); }

  jref canvas = newCanvas();
};

const char* const kDrawArc = "drawArc(IIIIII)V";
const char* const kDrawArcStyled = "drawArc(IIIIIIIIII)V";
const char* const kDrawArcPoints = "drawArc(IIIIIIIIIIII)V";
const char* const kPie = "fillPieWithBorder(IIIIIIIIIIII)V";
const char* const kPiePoints = "fillPieWithBorder(IIIIIIIIIIIIII)V";
const char* const kPieFixed = "fillPieWithBorder(IIIIIIIIIIIIIIZ)V";
const char* const kThickArc = "drawThickArc(IIIIIII)V";

Args with(Args head, const Args& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}
const Args kBox{I(10), I(20), I(100), I(60)};
// fillColor 44, backColor 55, fillPattern 2, lineColor 66, lineWidth 0x103, lineStyle 0x104.
const Args kLook{I(44), I(55), I(2), I(66), I(0x103), I(0x104)};
const std::string kQuarterPie =
    "osGXpie(4,{10,20,109,79},{110,50,60,20},{66,55,44},{3,4,2,1},{60,20,110,50},true)";

// clang-format off
TEST_F(CanvasArcsTest, EachNativeIssuesItsCallsAndOnlyThePointOverloadsMove) {
  translate(100, 200);
  const struct { const char* signature; Args args; Calls expected; } cases[] = {
    {kDrawArc, with(kBox, {I(0), I(90)}),
     {"osGXdrawArc({10,20,109,79},{110,50,60,20},11,0,1,258,{60,20,110,50},true)"}},
    {kDrawArc, with(kBox, {I(0), I(360)}), {"osGXdrawEllipse(10,20,109,79,11,1,258,0)"}},
    // From the top to the left passes no extreme; the style goes on 8 bits, the width on 32.
    {kDrawArcStyled, with(kBox, {I(90), I(90), I(44), I(55), I(0x10006), I(0x107)}),
     {"osGXdrawArc({10,20,109,79},{60,20,10,50},44,55,7,65542,{10,20,60,50},true)"}},
    {kDrawArcPoints, with(kBox, {I(110), I(50), I(60), I(20), I(44), I(55), I(6), I(7)}),
     {"osGXdrawArc({110,220,209,279},{210,250,160,220},44,55,7,6,{160,220,210,250},true)"}},
    {"fillArc(IIIIII)V", with(kBox, {I(0), I(90)}),
     {"osGXpie(4,{10,20,109,79},{110,50,60,20},{0,22,11},{2,0,1,1},{60,20,110,50},true)"}},
    {"drawPie(IIIIII)V", with(kBox, {I(0), I(90)}),
     {"osGXpie(4,{10,20,109,79},{110,50,60,20},{11,22,0},{2,1,0,1},{60,20,110,50},true)"}},
    {kPie, with(kBox, with({I(0), I(90)}, kLook)), {kQuarterPie}},
    {kPiePoints, with(kBox, with({I(110), I(50), I(60), I(20)}, kLook)),
     {"osGXpie(4,{110,220,209,279},{210,250,160,220},{66,55,44},{3,4,2,1},{160,220,210,250},"
      "true)"}},
    // The fixed point is the start with `first`, the end without.
    {kPieFixed, with(kBox, with(with({I(110), I(50), I(90), I(90)}, kLook), {Z(true)})),
     {kQuarterPie}},
    {kPieFixed, with(kBox, with(with({I(60), I(20), I(0), I(90)}, kLook), {Z(false)})),
     {kQuarterPie}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(draw(c.signature, c.args), c.expected) << c.signature;
    // Without a canvas only the long arc overloads draw.
    const bool longArc = c.signature == std::string_view(kDrawArcStyled) ||
                         c.signature == std::string_view(kDrawArcPoints);
    EXPECT_EQ(canvasDraw(c.signature, c.args, jref{0}).size(), longArc ? 1u : 0u) << c.signature;
  }
  EXPECT_EQ(canvasDraw(kThickArc, {I(100), I(100), I(10), I(20), I(0), I(900), I(77)}, jref{0}),
            Calls{});
}

TEST_F(CanvasArcsTest, SmallSectorsFallBackToLinesAndTriangles) {
  const Args circle{I(0), I(0), I(100), I(100)};
  // Three degrees with distinct ends is still an arc; with a shared x it is a line.
  EXPECT_EQ(draw(kDrawArc, with(circle, {I(40), I(3)})),
            Calls{"osGXdrawArc({0,0,99,99},{88,18,86,16},11,0,1,258,{86,16,88,18},true)"});
  EXPECT_EQ(draw(kDrawArc, with(circle, {I(181), I(3)})),
            Calls{"osGXdrawLine(1,50,1,53,258,1,11,0,0)"});
  EXPECT_EQ(draw(kDrawArcStyled, with(circle, {I(181), I(3), I(44), I(55), I(6), I(0x107)})),
            Calls{"osGXdrawLine(1,50,1,53,6,263,44,55,0)"});
  // An extent of 0 has equal ends: a line, a filled triangle, an outlined one.
  EXPECT_EQ(draw(kDrawArc, with(kBox, {I(0), I(0)})),
            Calls{"osGXdrawLine(110,50,110,50,258,1,11,0,0)"});
  EXPECT_EQ(draw("fillArc(IIIIII)V", with(kBox, {I(0), I(0)})),
            Calls{"osGXfillPolygon(3,[[60,50],[110,50],[110,50]],11,22,1,true)"});
  // The triangle is a polygon, so it takes the canvas width's low 8 bits, as drawPolygon does.
  EXPECT_EQ(draw("drawPie(IIIIII)V", with(kBox, {I(-90), I(0)})),
            Calls{"osGXdrawPolygon(3,[[60,50],[60,80],[60,80]],2,11,22,1)"});
  // Only 360 exactly is the whole outline; past it the short arc is drawn.
  EXPECT_EQ(draw(kDrawArc, with(kBox, {I(0), I(450)})),
            Calls{"osGXdrawArc({10,20,109,79},{110,50,60,20},11,0,1,258,{60,20,110,50},true)"});
  setFields(canvas, "lineWidth", {-1});
  EXPECT_EQ(draw("drawPie(IIIIII)V", with(kBox, {I(-90), I(0)})),
            Calls{"osGXdrawPolygon(3,[[60,50],[60,80],[60,80]],255,11,22,1)"});
}

TEST_F(CanvasArcsTest, PieVariants) {
  const std::string triangle = "3,[[60,50],[110,50],[109,48]],";
  const Args look{I(44), I(55), I(-1), I(66), I(3), I(4)};  // a pattern that is "not 0" only
  const struct { const char* what; const char* signature; Args args; Calls expected; } cases[] = {
    {"under 5 degrees: the triangle, filled as the pattern is not 0",
     kPie, with(kBox, with({I(0), I(2)}, look)),
     {"osGXfillPolygon(" + triangle + "44,55,255,true)",
      "osGXdrawPolygon(" + triangle + "3,66,55,4)"}},
    {"above 360: reduced once, so 362 is the same small sector",
     kPie, with(kBox, with({I(0), I(362)}, look)),
     {"osGXfillPolygon(" + triangle + "44,55,255,true)",
      "osGXdrawPolygon(" + triangle + "3,66,55,4)"}},
    {"a flat sector: the triangle, not filled as the pattern is not above 0",
     kPiePoints, with(kBox, with({I(30), I(50), I(10), I(50)}, look)),
     {"osGXdrawPolygon(3,[[60,50],[30,50],[10,50]],3,66,55,4)"}},
    {"equal ends: the full disc, its outline and one radius",
     kPiePoints, with(kBox, with({I(110), I(50), I(110), I(50)}, kLook)),
     {"osGXfillEllipse(10,20,109,79,44,2,55)", "osGXdrawEllipse(10,20,109,79,66,260,259,55)",
      "osGXdrawLine(60,50,110,50,259,260,66,55,0)"}},
    {"a fixed point with under 5 degrees: the triangle",
     kPieFixed, with(kBox, with(with({I(109), I(48), I(0), I(4)}, look), {Z(false)})),
     {"osGXfillPolygon(3,[[60,50],[110,50],[109,48]],44,55,255,true)",
      "osGXdrawPolygon(3,[[60,50],[110,50],[109,48]],3,66,55,4)"}},
  };
  for (const auto& c : cases) EXPECT_EQ(draw(c.signature, c.args), c.expected) << c.what;
}
// clang-format on

TEST_F(CanvasArcsTest, ANegativeExtentRunsCounterClockwiseToStartPlusExtent) {
  EXPECT_EQ(draw(kDrawArc, with(kBox, {I(-270), I(-270)})),
            draw(kDrawArc, with(kBox, {I(90), I(90)})));
}

class ThickArcTest : public CanvasArcsTest {
 protected:
  // The points of the one polygon a ring draws.
  std::vector<std::pair<int32_t, int32_t>> ring(int32_t inner, int32_t outer, int32_t start,
                                                int32_t extent) {
    const Calls calls =
        draw(kThickArc, {I(100), I(100), I(inner), I(outer), I(start), I(extent), I(77)});
    std::vector<std::pair<int32_t, int32_t>> points;
    if (calls.size() != 1) {
      ADD_FAILURE() << calls.size() << " calls";
      return points;
    }
    const gx::Json& call = recorder.calls().at(0);
    EXPECT_EQ(call["fn"], "osGXfillPolygon");
    EXPECT_EQ(call["fillColor"], 77);
    EXPECT_EQ(call["backColor"], 0);
    EXPECT_EQ(call["fillPattern"], 1);
    for (const auto& p : call["points"]) points.emplace_back(p[0], p[1]);
    EXPECT_EQ(static_cast<size_t>(call["count"].get<int32_t>()), points.size());
    return points;
  }
};

TEST_F(ThickArcTest, RingPointCountsFollowTheStepOfEachRadius) {
  // Each edge has one point per step of its radius's arcStep, plus both ends.
  const struct {
    int32_t inner, outer, extent;
    size_t points;
  } cases[] = {
      {1, 2, 2700, 10 + 10},      // 30 degree steps: 9 steps
      {50, 100, 2700, 31 + 69},   // 9 degrees: 30 steps; 4 degrees: 67 steps and a part
      {200, 300, 2700, 91 + 91},  // 3 degrees
      {200, 300, 3600, 121 + 121}, {200, 300, 30000, 121 + 121},  // more than a turn is one turn
      {-20, 10, 900, 4 + 31},  // a negative radius steps at 3 degrees
  };
  for (const auto& c : cases)
    EXPECT_EQ(ring(c.inner, c.outer, 0, c.extent).size(), c.points) << c.inner << "/" << c.outer;
}

TEST_F(ThickArcTest, RingRunsOutwardFromTheStartAndBackInside) {
  // Outer radius 20 steps 22 degrees: 0, 22, 44, 66, 88, then the end at 90; inner radius 10
  // steps 30 degrees back: 90, 60, 30, then the start at 0.
  const auto points = ring(10, 20, 0, 900);
  ASSERT_EQ(points.size(), 10u);
  EXPECT_EQ(points[0], std::pair(120, 100));
  EXPECT_EQ(points[5], std::pair(100, 80));
  EXPECT_EQ(points[6], std::pair(100, 90));
  EXPECT_EQ(points[9], std::pair(110, 100));
  // Start and extent are 16-bit: 65536 is 0 again.
  EXPECT_EQ(ring(10, 20, 65536, 65536 + 900), points);
}

TEST_F(ThickArcTest, NothingForNoExtentOrNoRadiusAndASectorWithoutAHole) {
  for (const auto& args : {Args{I(100), I(100), I(10), I(20), I(0), I(0), I(77)},
                           Args{I(100), I(100), I(0), I(20), I(900), I(0), I(77)},
                           Args{I(100), I(100), I(10), I(20), I(0), I(-900), I(77)},
                           Args{I(100), I(100), I(10), I(0), I(0), I(900), I(77)}})
    EXPECT_EQ(draw(kThickArc, args), Calls{});
  EXPECT_EQ(draw(kThickArc, {I(100), I(100), I(0), I(20), I(0), I(900), I(77)}),
            Calls{"osGXpie(4,{80,80,119,119},{120,100,100,80},{0,77,77},{1,0,1,1},"
                  "{100,80,120,100},true)"});
}

// ---- Paths ----

class CanvasPathTest : public ModuleTest {
 protected:
  Calls path(const char* signature, std::initializer_list<vm::Arg> args) {
    recorder.clear();
    call(kCanvas, signature, std::nullopt, args);
    return drawn();
  }
};

TEST_F(CanvasPathTest, TheTextAndTheWholeTransformGoWithEveryCall) {
  const jref p = vm.newString(u"M0 0H9");
  EXPECT_EQ(path("fillPath(Ljava/lang/String;I)V", {R(p), I(44)}),
            Calls{"osGXfillPath(0,0,0,0,\"M0 0H9\",6,44)"});  // no transform call yet
  call(kCanvas, "setTransform(IIFF)V", std::nullopt, {I(5), I(6), F(0.5f), F(2.0f)});
  EXPECT_EQ(path("drawPath(Ljava/lang/String;II)V", {R(p), I(66), I(0x10003)}),
            Calls{"osGXdrawPath(5,6,128,512,\"M0 0H9\",6,66,3)"});
  EXPECT_EQ(path("fillAndDrawPath(Ljava/lang/String;III)V", {R(p), I(44), I(66), I(-1)}),
            (Calls{"osGXfillPath(5,6,128,512,\"M0 0H9\",6,44)",
                   "osGXdrawPath(5,6,128,512,\"M0 0H9\",6,66,65535)"}));
}

TEST_F(CanvasPathTest, NullMakesNoCallAndEmptyGoesWithCountZero) {
  const struct {
    const char* signature;
    int32_t ints;
  } natives[] = {{"fillPath(Ljava/lang/String;I)V", 1},
                 {"drawPath(Ljava/lang/String;II)V", 2},
                 {"fillAndDrawPath(Ljava/lang/String;III)V", 3}};
  const jref empty = vm.newString(u"");
  // A NUL and a surrogate pair are text like any other: four units.
  const jref odd = vm.newString(std::u16string(u"M\0\U0001F600", 4));
  for (const auto& n : natives) {
    const auto args = [&](jref text) {
      std::vector<vm::Arg> a{R(text)};
      for (int32_t i = 0; i < n.ints; ++i) a.push_back(I(1));
      return a;
    };
    const auto run = [&](jref text) {
      recorder.clear();
      const auto a = args(text);
      vm.invoke(*vm.findNative(kCanvas, n.signature), std::nullopt, std::span<const vm::Arg>(a));
      return recorder.calls();
    };
    EXPECT_TRUE(run(0).empty()) << n.signature;
    for (const auto& c : run(empty)) EXPECT_EQ(c["count"], 0) << n.signature;
    for (const auto& c : run(odd)) EXPECT_EQ(c["count"], 4) << n.signature;
    EXPECT_EQ(run(empty).size(), n.ints == 3 ? 2u : 1u);
  }
}

}  // namespace
}  // namespace zelmo::test
