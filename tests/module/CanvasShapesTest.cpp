// Rectangles, ovals, lines, point lists, triangles and bevel buttons of the canvas.
#include <climits>
#include <functional>
#include <numeric>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using Calls = std::vector<std::string>;
using Args = std::vector<vm::Arg>;

struct Case {
  const char* signature;
  Args args;
  Calls expected;
};

class CanvasShapesTest : public ModuleTest {
 protected:
  // Width, style and pattern have bits above 16, so each call shows how wide it takes them:
  // width 65538 / 2 / 2, style 65795 / 259 / 3, pattern 65793 / 257 / 1 on 32 / 16 / 8 bits.
  CanvasShapesTest() {
    setFields(canvas, "color backColor fillPattern lineWidth lineStyle",
              {11, 22, 0x10101, 0x10002, 0x10103});
  }

  Calls draw(const char* signature, const Args& args) {
    return canvasDraw(signature, args, canvas);
  }

  void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(draw(c.signature, c.args), c.expected) << c.signature;
  }

  void translate(int32_t x, int32_t y) { canvasCall(canvas, "setTransform(II)V", {I(x), I(y)}); }
  jref array(std::vector<int32_t> values) { return vm.newIntArray(values); }

  jref canvas = newCanvas();
};

// clang-format off
TEST_F(CanvasShapesTest, EachNativeIssuesItsCallsAndOnlyTheTranslatingOnesMove) {
  translate(100, 200);
  const jref xs = array({1, 2, 3}), ys = array({4, 5, 6});
  const auto xy = [&] { return R(array({1, 4, 2, 5, 3, 6})); };  // fresh: some write into it
  const std::string p = "3,[[1,4],[2,5],[3,6]],", t = "3,[[101,204],[102,205],[103,206]],";
  expectAll({
    {"drawRect(IIII)V", {I(10), I(20), I(30), I(40)},
     {"osGXdrawRectangle(10,20,39,59,65538,65795,11,22,0,0,0)"}},
    {"drawRoundRect(IIIIII)V", {I(10), I(20), I(30), I(40), I(4), I(5)},
     {"osGXdrawRectangle(10,20,39,59,65538,65795,11,0,1,4,5)"}},
    {"fillRect(IIII)V", {I(10), I(20), I(30), I(40)},
     {"osGXfillRectangle(10,20,39,59,65538,11,1,22,0,0,0)",
      "osGXdrawRectangle(10,20,39,59,65538,0,16777215,22,0,0,0)"}},
    {"fillRect(IIIIIIBI)V", {I(10), I(20), I(30), I(40), I(44), I(55), B(2), I(0x10006)},
     {"osGXfillRectangle(10,20,39,59,65542,44,2,55,0,0,0)",
      "osGXdrawRectangle(10,20,39,59,65542,0,16777215,55,0,0,0)"}},
    {"fillRectWithBorder(IIIIII)V", {I(66), I(4), I(10), I(20), I(30), I(40)},
     {"osGXfillRectangle(10,20,39,59,4,11,1,22,0,0,0)",
      "osGXdrawRectangle(10,20,39,59,4,1,66,22,0,0,0)"}},
    {"fillRectWithBorder(IIIIIIIIIIIII)V",
     {I(66), I(4), I(5), I(10), I(20), I(30), I(40), I(44), I(55), I(0x102), I(0x101), I(6), I(7)},
     {"osGXfillRectangle(110,220,139,259,4,44,2,55,1,6,7)",
      "osGXdrawRectangle(110,220,139,259,4,5,66,55,1,6,7)"}},
    {"fillRoundRect(IIIIII)V", {I(10), I(20), I(30), I(40), I(4), I(5)},
     {"osGXfillRectangle(10,20,39,59,65538,11,1,22,1,4,5)",
      "osGXdrawRectangle(10,20,39,59,65538,0,16777215,22,1,4,5)"}},
    {"drawOval(IIII)V", {I(10), I(20), I(30), I(40)}, {"osGXdrawEllipse(10,20,39,59,11,259,2,0)"}},
    {"fillOvalWithBorder(IIIIIIIIII)V",
     {I(10), I(20), I(30), I(40), I(44), I(55), I(2), I(0x10004), I(0x10005), I(66)},
     {"osGXfillEllipse(110,220,139,259,44,2,55)", "osGXdrawEllipse(110,220,139,259,66,5,4,55)"}},
    {"fillOval(IIII)V", {I(10), I(20), I(30), I(40)}, {"osGXfillEllipse(10,20,39,59,11,257,22)"}},
    {"fillOval(IIIIIIBI)V", {I(10), I(20), I(30), I(40), I(44), I(55), B(-2), I(99)},
     {"osGXfillEllipse(10,20,39,59,44,65534,55)"}},
    {"drawLine(IIII)V", {I(1), I(2), I(3), I(4)}, {"osGXdrawLine(1,2,3,4,2,259,11,22,0)"}},
    {"drawLine(IIIIIIBI)V", {I(1), I(2), I(3), I(4), I(44), I(55), B(-2), I(0x10006)},
     {"osGXdrawLine(1,2,3,4,6,65534,44,55,0)"}},
    {"drawLine(IIIIIIIII)V",
     {I(1), I(2), I(3), I(4), I(44), I(55), I(0x10005), I(0x10006), I(0x103)},
     {"osGXdrawLine(101,202,103,204,6,5,44,55,3)"}},
    {"drawPolygon([I[II)V", {R(xs), R(ys), I(3)}, {"osGXdrawPolygon(" + p + "2,11,0,3)"}},
    {"fillPolygon([I[II)V", {R(xs), R(ys), I(3)},
     {"osGXfillPolygon(" + p + "11,22,1,true)", "osGXdrawPolygon(" + p + "1,11,11,1)"}},
    {"fillPolygon([I[IIIIBI)V", {R(xs), R(ys), I(3), I(44), I(55), B(-2), I(99)},
     {"osGXfillPolygon(" + p + "44,55,254,true)", "osGXdrawPolygon(" + p + "1,44,44,1)"}},
    {"fillPolygon([I[IIIIIIBI)V",
     {R(xs), R(ys), I(3), I(10), I(20), I(44), I(55), B(2), I(0x10006)},
     {"osGXfillPolygon(3,[[11,24],[12,25],[13,26]],44,55,2,true)",
      "osGXdrawPolygon(3,[[11,24],[12,25],[13,26]],6,44,44,1)"}},
    {"fillPolygonWithBorder([IIIIIIII)V",
     {xy(), I(3), I(44), I(55), I(0x102), I(66), I(0x104), I(0x105)},
     {"osGXfillPolygon(" + p + "44,55,2,true)", "osGXdrawPolygon(" + p + "4,66,55,5)"}},
    {"fillPolygonWithBorder([IIIIIIIIB)V",
     {xy(), I(3), I(44), I(55), I(2), I(66), I(4), I(5), B(1)},
     {"osGXfillPolygon(" + t + "44,55,2,true)", "osGXdrawPolygon(" + t + "4,66,55,5)"}},
    {"drawPolyline([I[IIIIIII)V", {R(xs), R(ys), I(3), I(44), I(55), I(0x104), I(0x105), I(0x102)},
     {"osGXdrawPolyline(" + p + "4,5,44,55,2)"}},
    {"drawPolyline([IIIIIII)V", {xy(), I(3), I(44), I(55), I(4), I(5), I(2)},
     {"osGXdrawPolyline(" + t + "4,5,44,55,2)"}},
    // The Bezier width stays 32-bit; the style's low byte is also the line end.
    {"drawBezier([IIIIII)V", {xy(), I(3), I(44), I(55), I(0x10004), I(0x1FF)},
     {"osGXdrawBezierLine(" + t + "65540,255,44,55,255)"}},
    {"fillTriangleWithBorder(IIIIIIIIBIII)V",
     {I(1), I(2), I(3), I(4), I(5), I(6), I(44), I(55), B(2), I(0x10004), I(66), I(0x10005)},
     {"osGXfillTriangle(1,2,3,4,5,6,44,55,2)", "osGXdrawTriangle(1,2,3,4,5,6,66,55,5,4)"}},
  });
}

TEST_F(CanvasShapesTest, PatternAndLineTestsDecideWhatIsDrawn) {
  const Args box{I(0), I(0), I(2), I(2)};
  const std::string plain = "osGXdrawRectangle(0,0,1,1,65538,0,16777215,22,0,0,0)";
  const auto oval = [](int32_t pattern, int32_t width, int32_t style) {
    return Args{I(0), I(0), I(2), I(2), I(44), I(55), I(pattern), I(width), I(style), I(66)};
  };
  vm.setInt(canvas, "fillPattern", 0);
  expectAll({{"fillRect(IIII)V", box, {plain}}});
  vm.setInt(canvas, "fillPattern", -1);  // "not 0" fills, "> 0" does not
  expectAll({
    {"fillRect(IIII)V", box, {"osGXfillRectangle(0,0,1,1,65538,11,255,22,0,0,0)", plain}},
    {"fillRectWithBorder(IIIIII)V", {I(66), I(4), I(0), I(0), I(2), I(2)},
     {"osGXdrawRectangle(0,0,1,1,4,1,66,22,0,0,0)"}},
    {"fillRect(IIIIIIBI)V", {I(0), I(0), I(2), I(2), I(44), I(55), B(-1), I(3)},
     {"osGXdrawRectangle(0,0,1,1,3,0,16777215,55,0,0,0)"}},
    {"fillOvalWithBorder(IIIIIIIIII)V", oval(1, 0, 1), {"osGXfillEllipse(0,0,1,1,44,1,55)"}},
    {"fillOvalWithBorder(IIIIIIIIII)V", oval(1, 2, 0), {"osGXfillEllipse(0,0,1,1,44,1,55)"}},
    {"fillOvalWithBorder(IIIIIIIIII)V", oval(0, 2, 1), {"osGXdrawEllipse(0,0,1,1,66,1,2,55)"}},
    // Rectangles have no outline fallback: a colourless border goes to the service as is.
    {"fillRectWithBorder(IIIIIIIIIIIII)V",
     {I(INT_MIN), I(4), I(5), I(0), I(0), I(2), I(2), I(44), I(55), I(0), I(0), I(0), I(0)},
     {"osGXdrawRectangle(0,0,1,1,4,5,2147483648,55,0,0,0)"}},
  });
}

TEST_F(CanvasShapesTest, MissingBorderFallsBackToAThinOutlineInTheFillColour) {
  const jref xy = array({0, 0, 9, 0, 9, 9});
  const std::string fillP = "osGXfillPolygon(3,[[0,0],[9,0],[9,9]],44,55,1,true)";
  const std::string fillT = "osGXfillTriangle(0,0,9,0,9,9,44,55,1)";
  const std::string thinP = "osGXdrawPolygon(3,[[0,0],[9,0],[9,9]],1,44,55,1)";
  const std::string thinT = "osGXdrawTriangle(0,0,9,0,9,9,44,55,1,1)";
  const struct {
    int32_t pattern, borderColor, lineStyle;
    Calls polygon, triangle;
  } cases[] = {
    {1, 66, 0, {fillP, thinP}, {fillT, thinT}},            // border switched off
    {1, INT_MIN, 2, {fillP, thinP}, {fillT, thinT}},       // border without colour
    {-1, 66, 0, {thinP}, {thinT}},                         // no fill, still the thin outline
    {0, 66, 0, {}, {}},                                    // neither fill nor border
    {0, 66, 2, {"osGXdrawPolygon(3,[[0,0],[9,0],[9,9]],4,66,55,2)"},
     {"osGXdrawTriangle(0,0,9,0,9,9,66,55,2,4)"}},          // the border as given
    {0, 66, -1, {"osGXdrawPolygon(3,[[0,0],[9,0],[9,9]],4,66,55,255)"}, {}},  // "not 0" vs "> 0"
  };
  for (const auto& c : cases) {
    const std::string at = std::to_string(c.pattern) + "/" + std::to_string(c.lineStyle);
    EXPECT_EQ(draw("fillPolygonWithBorder([IIIIIIII)V", {R(xy), I(3), I(44), I(55), I(c.pattern),
                   I(c.borderColor), I(4), I(c.lineStyle)}), c.polygon) << at;
    EXPECT_EQ(draw("fillTriangleWithBorder(IIIIIIIIBIII)V", {I(0), I(0), I(9), I(0), I(9), I(9),
                   I(44), I(55), B(int8_t(c.pattern)), I(4), I(c.borderColor), I(c.lineStyle)}),
              c.triangle) << at;
  }
}
// clang-format on

TEST_F(CanvasShapesTest, RectanglesOfZeroSizeDrawNothingButOvalsDo) {
  for (const auto& [w, h] : {std::pair{0, 5}, std::pair{5, 0}}) {
    const std::pair<const char*, Args> cases[] = {
        {"drawRect(IIII)V", {I(0), I(0), I(w), I(h)}},
        {"fillRect(IIII)V", {I(0), I(0), I(w), I(h)}},
        {"drawRoundRect(IIIIII)V", {I(0), I(0), I(w), I(h), I(1), I(1)}},
        {"fillRoundRect(IIIIII)V", {I(0), I(0), I(w), I(h), I(1), I(1)}},
        {"fillRect(IIIIIIBI)V", {I(0), I(0), I(w), I(h), I(1), I(1), B(1), I(1)}},
        {"fillRectWithBorder(IIIIII)V", {I(1), I(1), I(0), I(0), I(w), I(h)}},
        {"fillRectWithBorder(IIIIIIIIIIIII)V",
         {I(1), I(1), I(1), I(0), I(0), I(w), I(h), I(1), I(1), I(1), I(0), I(0), I(0)}},
    };
    for (const auto& [signature, args] : cases)
      EXPECT_EQ(draw(signature, args), Calls{}) << signature;
  }
  EXPECT_EQ(draw("drawRect(IIII)V", {I(10), I(10), I(1), I(1)}),
            Calls{"osGXdrawRectangle(10,10,10,10,65538,65795,11,22,0,0,0)"});
  EXPECT_EQ(draw("drawOval(IIII)V", {I(10), I(10), I(0), I(5)}),
            Calls{"osGXdrawEllipse(10,10,9,14,11,259,2,0)"});
}

TEST_F(CanvasShapesTest, TranslationIsWrittenBackIntoTheCallersArrayAndWraps) {
  translate(5, 7);
  const jref xy = array({10, 20, 30, 40});
  EXPECT_EQ(draw("fillPolygonWithBorder([IIIIIIIIB)V",
                 {R(xy), I(1), I(44), I(55), I(1), I(66), I(1), I(1), B(0)}),
            (Calls{"osGXfillPolygon(1,[[15,27]],44,55,1,false)",
                   "osGXdrawPolygon(1,[[15,27]],1,66,55,1)"}));
  EXPECT_EQ(vm.intArray(xy), (std::vector<int32_t>{15, 27, 30, 40}));  // only `count` points
  draw("drawPolyline([IIIIIII)V", {R(xy), I(2), I(44), I(55), I(1), I(1), I(0)});
  EXPECT_EQ(vm.intArray(xy), (std::vector<int32_t>{20, 34, 35, 47}));

  translate(INT_MAX, INT_MIN);
  EXPECT_EQ(draw("drawLine(IIIIIIIII)V", {I(1), I(-1), I(0), I(0), I(44), I(55), I(1), I(1), I(0)}),
            Calls{"osGXdrawLine(-2147483648,2147483647,2147483647,-2147483648,1,1,44,55,0)"});
}

// Every point-list native with the given arrays and count.
std::vector<std::pair<const char*, Args>> pointListCalls(jref xs, jref ys, jref xy, int32_t n) {
  return {
      {"drawPolygon([I[II)V", {R(xs), R(ys), I(n)}},
      {"fillPolygon([I[II)V", {R(xs), R(ys), I(n)}},
      {"fillPolygon([I[IIIIBI)V", {R(xs), R(ys), I(n), I(44), I(55), B(1), I(0)}},
      {"fillPolygon([I[IIIIIIBI)V", {R(xs), R(ys), I(n), I(0), I(0), I(44), I(55), B(1), I(1)}},
      {"drawPolyline([I[IIIIIII)V", {R(xs), R(ys), I(n), I(44), I(55), I(1), I(1), I(0)}},
      {"fillPolygonWithBorder([IIIIIIII)V", {R(xy), I(n), I(44), I(55), I(1), I(66), I(1), I(1)}},
      {"fillPolygonWithBorder([IIIIIIIIB)V",
       {R(xy), I(n), I(44), I(55), I(1), I(66), I(1), I(1), B(1)}},
      {"drawPolyline([IIIIIII)V", {R(xy), I(n), I(44), I(55), I(1), I(1), I(0)}},
      {"drawBezier([IIIIII)V", {R(xy), I(n), I(44), I(55), I(1), I(1)}},
  };
}

bool isCopied(const char* signature) {
  return std::string(signature).find("[I[I") != std::string::npos;
}

// The point count of every recorded call.
std::vector<int32_t> countsOf(const Calls& calls) {
  std::vector<int32_t> counts;
  for (const auto& call : calls) counts.push_back(std::stoi(call.substr(call.find('(') + 1)));
  return counts;
}

TEST_F(CanvasShapesTest, NegativeCountsNullArraysAndANullCanvasDrawNothing) {
  const jref a = array({1, 2, 3, 4, 5, 6});
  for (const auto& [signature, args] : pointListCalls(a, a, a, -1))
    EXPECT_EQ(draw(signature, args), Calls{}) << signature;
  for (const auto& [signature, args] : pointListCalls(0, a, 0, 3))
    EXPECT_EQ(draw(signature, args), Calls{}) << signature;
  for (const auto& [signature, args] : pointListCalls(a, 0, a, 3)) {
    if (isCopied(signature)) {
      EXPECT_EQ(draw(signature, args), Calls{}) << signature;
    }
  }
  EXPECT_EQ(vm.intArray(a), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));

  for (const char* signature : {"drawRect(IIII)V", "fillOval(IIII)V", "drawLine(IIII)V"})
    EXPECT_EQ(canvasDraw(signature, {I(0), I(0), I(2), I(2)}, 0), Calls{}) << signature;
  EXPECT_EQ(canvasDraw("fillPolygon([I[II)V", {R(a), R(a), I(2)}, 0), Calls{});
}

TEST_F(CanvasShapesTest, CountsBeyondTheArraysDrawOnlyThePointsThatExist) {
  translate(1, 1);
  const jref xs = array({1, 2, 3}), ys = array({4, 5, 6, 7});
  const jref xy = array({1, 4, 2, 5, 3});  // two whole pairs and a lone x
  for (const auto& [signature, args] : pointListCalls(xs, ys, xy, 100)) {
    const Calls calls = draw(signature, args);
    EXPECT_FALSE(calls.empty()) << signature;
    for (int32_t count : countsOf(calls))
      EXPECT_EQ(count, isCopied(signature) ? 3 : 2) << signature;
  }
  EXPECT_EQ(vm.intArray(xy)[4], 3);  // the lone x is never translated

  std::vector<int32_t> values(3000);
  std::iota(values.begin(), values.end(), 0);
  const jref big = array(values);  // 3000 points copied, 1500 pairs in place
  for (const auto& [signature, args] : pointListCalls(big, big, big, 3000)) {
    for (int32_t count : countsOf(draw(signature, args)))
      EXPECT_EQ(count, isCopied(signature) ? 2800 : 1500) << signature;
  }
  EXPECT_EQ(draw("drawPolyline([I[IIIIIII)V", {R(xs), R(xs), I(0), I(44), I(55), I(1), I(1), I(0)}),
            Calls{"osGXdrawPolyline(0,[],1,1,44,55,0)"});
}

// clang-format off
TEST_F(CanvasShapesTest, BevelButtonsDrawTheirEdgesByKindAndAreNotTranslated) {
  translate(100, 100);
  // Face 44 on 55 in pattern 2, light 7, shadow 8.
  const auto bevel = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t b) {
    return draw("drawBevelButton(IIIIIIIIII)V",
                {I(x1), I(y1), I(x2), I(y2), I(44), I(55), I(2), I(7), I(8), I(b)});
  };
  const std::string face = "osGXfillRectangle(10,20,19,29,0,44,2,55,1,0,0)";
  EXPECT_EQ(bevel(10, 20, 19, 29, 1), (Calls{face,
      "osGXdrawLine(19,21,19,29,1,1,8,0,0)", "osGXdrawLine(10,29,19,29,1,1,8,0,0)",
      "osGXdrawLine(10,20,19,20,1,1,7,0,0)", "osGXdrawLine(10,20,10,29,1,1,7,0,0)"}));
  EXPECT_EQ(bevel(10, 20, 19, 29, 2), (Calls{face,
      "osGXdrawLine(19,21,19,29,1,1,8,0,0)", "osGXdrawLine(10,29,19,29,1,1,8,0,0)",
      "osGXdrawLine(18,22,18,29,1,1,8,0,0)", "osGXdrawLine(11,28,19,28,1,1,8,0,0)",
      "osGXdrawLine(10,20,19,20,1,1,7,0,0)", "osGXdrawLine(10,20,10,29,1,1,7,0,0)",
      "osGXdrawLine(10,21,18,21,1,1,7,0,0)", "osGXdrawLine(11,20,11,28,1,1,7,0,0)"}));
  // Thicker bevels: bands, then shadow triangles that give the mixed corners diagonal joins.
  EXPECT_EQ(bevel(0, 0, 9, 9, 3), (Calls{"osGXfillRectangle(0,0,9,9,0,44,2,55,1,0,0)",
      "osGXfillRectangle(7,3,9,9,0,8,1,0,0,0,0)", "osGXfillRectangle(3,7,9,9,0,8,1,0,0,0,0)",
      "osGXfillRectangle(0,0,9,2,0,7,1,0,0,0,0)", "osGXfillRectangle(0,0,2,9,0,7,1,0,0,0,0)",
      "osGXfillTriangle(7,2,9,2,9,0,8,0,1)", "osGXfillTriangle(0,9,2,9,2,7,8,0,1)"}));
  // Bevel 0 at the edge of the range: the band offsets wrap instead of overflowing.
  const Calls edge = bevel(INT_MAX - 9, 0, INT_MAX, 9, 0);
  ASSERT_EQ(edge.size(), 7u);
  EXPECT_EQ(edge[1], "osGXfillRectangle(-2147483648,0,2147483647,9,0,8,1,0,0,0,0)");
}
// clang-format on

}  // namespace
}  // namespace zelmo::test
