// The retained shapes' draw natives: plain draws, flat boxes, fill-level gauges and hostile points.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";
constexpr const char* kRectangle = "uxclasses/graphics/CuxRectangle";
constexpr const char* kArc = "uxclasses/graphics/CuxArc";
constexpr const char* kPie = "uxclasses/graphics/CuxPie";
constexpr const char* kPolygon = "uxclasses/graphics/CuxPolygon";
constexpr const char* kBezier = "uxclasses/graphics/CuxBezier";
constexpr int32_t kNone = static_cast<int32_t>(0x80000000u);
constexpr int32_t kLayer = 5;

class RetainedShapesTest : public ModuleTest {
 protected:
  // A shape on the box (x1, y1, x2, y2) with fill colour 100, back colour 7, line colour 200
  // (small values keep the expected lines readable), solid fill, a 2-pixel solid outline.
  jref shape(const char* className, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const jref s = vm.newObject(className);
    setFields(s, "x1 y1 x2 y2 fillColor backColor lineColor lineStyle lineWidth fillPattern",
              {x1, y1, x2, y2, 100, 7, 200, 1, 2, 1});
    return s;
  }
  jref rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const jref r = shape(kRectangle, x1, y1, x2, y2);
    setFields(r, "rectWidth rectHeight cornerRadiusX cornerRadiusY rounded",
              {x2 - x1 + 1, y2 - y1 + 1, 4, 6, 1});
    return r;
  }
  // An arc or pie on the ellipse (1, 3)-(201, 103), which is stored x1, x2, y1, y2.
  jref sector(const char* className, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const jref s = shape(className, x1, y1, x2, y2);
    setFields(s, "arcX1 arcX2 arcY1 arcY2 startX startY endX endY arcFlag",
              {1, 201, 3, 103, 201, 53, 101, 3, 1});
    return s;
  }
  jref withPoints(const char* className, std::vector<int32_t> xy, int32_t pointCount) {
    const jref s = shape(className, 0, 0, 10, 8);
    vm.setRef(s, "points", vm.newIntArray(xy));
    vm.setInt(s, "pointCount", pointCount);
    setFields(s, std::string_view(className) == kPolygon ? "fillFlag" : "lineEnd", {1});
    return s;
  }
  jref triangle() { return withPoints(kPolygon, {0, 0, 10, 0, 5, 8}, 3); }

  void setLevel(jref s, int32_t directionH, int32_t directionV, int32_t percentH, int32_t percentV,
                int32_t backPattern = 3) {
    setFields(s,
              "levelBackColor levelPercentH levelPercentV levelBackPattern levelDirectionH "
              "levelDirectionV",
              {50, percentH, percentV, backPattern, directionH, directionV});
  }

  Lines draw(jref s) {
    recorder.clear();
    const std::string& cls = vm.classOf(s).name();
    call(cls.c_str(), cls == kPolygon ? "drawPolygon(I)V" : "draw(I)V", s, {I(kLayer)});
    return drawn();
  }

  // `before`, then the clip sequence around `filled` on a layer that had no clip area.
  static Lines gauge(Lines before, const std::string& area, const Lines& filled) {
    before.insert(before.end(), {"osGXsetClipFillAnimation(1)", "osGXgetClipArea(5,false)",
                                 "osGXsetClipArea(" + area + ",5)"});
    before.insert(before.end(), filled.begin(), filled.end());
    before.insert(before.end(), {"osGXremoveClipArea(5)", "osGXsetClipFillAnimation(0)"});
    return before;
  }
};

TEST_F(RetainedShapesTest, EllipseFillsThenOutlinesOrIsALineWhenFlat) {
  EXPECT_EQ(
      draw(shape(kEllipse, 10, 20, 110, 70)),
      (Lines{"osGXfillEllipse(10,20,110,70,100,1,7)", "osGXdrawEllipse(10,20,110,70,200,1,2,7)"}));
  const jref flat = shape(kEllipse, 10, 20, 10, 70);
  EXPECT_EQ(draw(flat), Lines{"osGXdrawLine(10,20,10,70,2,1,200,7,0)"});
  setLevel(flat, 0, 4, 0, 50);
  EXPECT_TRUE(draw(flat).empty()) << "a flat gauge draws nothing";
}

TEST_F(RetainedShapesTest, EllipseGaugeDrawsEmptyLookThenFilledPartUnderTheLevelClip) {
  const jref e = shape(kEllipse, 10, 20, 110, 220);
  setLevel(e, 0, 4, 0, 25);  // from the bottom, a quarter: rows 170..220
  const std::string outline = "osGXdrawEllipse(10,20,110,220,200,1,2,7)";
  EXPECT_EQ(draw(e), gauge({"osGXfillEllipse(10,20,110,220,50,3,7)", outline}, "10,170,110,220",
                           {"osGXfillEllipse(10,20,110,220,100,1,7)", outline}));
  // Without a back pattern there is no empty look, but the filled part is still drawn.
  setLevel(e, 1, 0, 30, 0, 0);
  EXPECT_EQ(draw(e),
            gauge({outline}, "10,20,40,220", {"osGXfillEllipse(10,20,110,220,100,1,7)", outline}));
}

TEST_F(RetainedShapesTest, NegativeBytesCountAsNoneButPassOnAsTheirWidthDemands) {
  const jref e = shape(kEllipse, 10, 20, 110, 220);
  setFields(e, "fillPattern", {-1});
  setLevel(e, 1, 0, 30, 0, -1);
  // levelBackPattern is an unsigned byte; a negative fillPattern fills nothing.
  EXPECT_EQ(draw(e), gauge({"osGXfillEllipse(10,20,110,220,50,255,7)",
                            "osGXdrawEllipse(10,20,110,220,200,1,2,7)"},
                           "10,20,40,220", {"osGXdrawEllipse(10,20,110,220,200,1,2,7)"}));

  const jref r = rectangle(10, 20, 110, 220);  // 32-bit width and style: sign-extended
  setFields(r, "lineWidth lineStyle", {-1, -2});
  setLevel(r, 1, 0, 50, 0, 0);
  EXPECT_EQ(draw(r).front(), "osGXdrawRectangle(10,20,110,220,-1,-2,200,7,1,4,6)");

  const jref p = sector(kPie, 10, 20, 110, 70);  // byte attributes: the low byte
  setFields(p, "lineWidth lineStyle fillPattern", {-1, -2, -3});
  EXPECT_EQ(draw(p), Lines{"osGXpie(5,{1,3,201,103},{201,53,101,3},{200,7,100},{255,254,253,1},"
                           "{10,20,110,70},true)"});
}

TEST_F(RetainedShapesTest, RectangleWithZeroSizeDrawsNothingWhateverItsBox) {
  for (const char* size : {"rectWidth", "rectHeight"}) {
    for (bool withLevel : {false, true}) {
      const jref r = rectangle(10, 20, 110, 70);
      vm.setInt(r, size, 0);
      if (withLevel) setLevel(r, 0, 4, 0, 50);
      EXPECT_TRUE(draw(r).empty()) << size << (withLevel ? " gauge" : "");
    }
  }
}

TEST_F(RetainedShapesTest, OutlineWithoutWidthIsDroppedOnlyWithoutAFillLevel) {
  const jref r = rectangle(10, 20, 110, 220);
  EXPECT_EQ(draw(r), (Lines{"osGXfillRectangle(10,20,110,220,2,100,1,7,1,4,6)",
                            "osGXdrawRectangle(10,20,110,220,2,1,200,7,1,4,6)"}));
  for (const auto& [width, style] : {std::pair{0, 1}, {-1, 1}, {2, 0}, {2, -3}}) {
    setFields(r, "lineWidth lineStyle", {width, style});
    EXPECT_EQ(draw(r), Lines{"osGXfillRectangle(10,20,110,220," + std::to_string(width) +
                             ",100,1,7,1,4,6)"});
  }
  setFields(r, "lineWidth lineStyle", {0, 1});
  setLevel(r, 3, 12, 30, 25);  // from the right and from the top
  const std::string outline = "osGXdrawRectangle(10,20,110,220,0,1,200,7,1,4,6)";
  EXPECT_EQ(draw(r),
            gauge({"osGXfillRectangle(10,20,110,220,0,50,3,7,1,4,6)", outline}, "80,20,110,70",
                  {"osGXfillRectangle(10,20,110,220,0,100,1,7,1,4,6)", outline}));
}

TEST_F(RetainedShapesTest, ArcHandsReorderedEllipseEndsAndBoundsOrIsALineWhenFlat) {
  const jref a = sector(kArc, 10, 20, 110, 70);
  setFields(a, "lineStyle lineWidth", {-2, -3});  // style unsigned, width sign-extended
  EXPECT_EQ(draw(a),
            Lines{"osGXdrawArc({1,3,201,103},{201,53,101,3},200,7,254,-3,{10,20,110,70},true)"});
  EXPECT_EQ(draw(sector(kArc, 10, 20, 110, 20)), Lines{"osGXdrawLine(10,20,110,20,2,1,200,7,0)"});
}

TEST_F(RetainedShapesTest, PieGaugeDrawsEmptyLookUnclippedThenNormalLookClipped) {
  const jref p = sector(kPie, 10, 20, 110, 220);
  const std::string head = "osGXpie(5,{1,3,201,103},{201,53,101,3},";
  const std::string tail = ",{10,20,110,220},true)";
  EXPECT_EQ(draw(p), Lines{head + "{200,7,100},{2,1,1,1}" + tail});
  setLevel(p, 2, 0, 30, 0);
  setFields(p, "fillPattern", {0});  // passed on: the pie tests no pattern
  EXPECT_EQ(draw(p), gauge({head + "{200,7,50},{2,1,3,1}" + tail}, "45,20,75,220",
                           {head + "{200,7,100},{2,1,0,1}" + tail}));
}

TEST_F(RetainedShapesTest, FlatPieIsARectangleOutlineTwiceAsAGauge) {
  const jref p = sector(kPie, 10, 20, 110, 20);
  const std::string outline = "osGXdrawRectangle(10,20,110,20,2,1,200,7,0,0,0)";
  EXPECT_EQ(draw(p), Lines{outline});
  setLevel(p, 1, 0, 50, 0);
  EXPECT_EQ(draw(p), gauge({outline}, "10,20,60,20", {outline}));
}

TEST_F(RetainedShapesTest, GaugesGiveTheLayerBackExactlyItsEarlierClip) {
  for (const jref g : {shape(kEllipse, 10, 20, 110, 220), rectangle(10, 20, 110, 220),
                       sector(kPie, 10, 20, 110, 220), triangle()}) {
    setLevel(g, 0, 8, 0, 40);
    const std::string cls = vm.classOf(g).name();
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    EXPECT_EQ(draw(g).back(), "osGXsetClipFillAnimation(0)") << cls;
    EXPECT_FALSE(recorder.getClipArea(&x1, &y1, &x2, &y2, kLayer)) << cls << " left a clip";

    const jref canvas = newCanvas(kLayer);
    canvasCall(canvas, "setClip(IIII)V", {I(1), I(2), I(300), I(400)});
    const Lines lines = draw(g);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 2], "osGXsetClipArea(1,2,300,401,5)") << cls;
    ASSERT_TRUE(recorder.getClipArea(&x1, &y1, &x2, &y2, kLayer)) << cls;
    EXPECT_EQ((std::vector{x1, y1, x2, y2}), (std::vector{1, 2, 300, 401})) << cls;
    canvasCall(canvas, "removeClipArea()V");
  }
}

TEST_F(RetainedShapesTest, PolygonNeedsThreePointsAndBezierFour) {
  EXPECT_TRUE(draw(withPoints(kPolygon, {0, 0, 10, 0}, 2)).empty());
  EXPECT_EQ(draw(triangle()), (Lines{"osGXfillPolygon(3,[[0,0],[10,0],[5,8]],100,7,1,true)",
                                     "osGXdrawPolygon(3,[[0,0],[10,0],[5,8]],2,200,7,1)"}));
  EXPECT_TRUE(draw(withPoints(kBezier, {0, 0, 5, 9, 10, 0}, 3)).empty());
  EXPECT_EQ(draw(withPoints(kBezier, {0, 0, 3, 9, 7, 9, 10, 0}, 4)),
            Lines{"osGXdrawBezierLine(4,[[0,0],[3,9],[7,9],[10,0]],2,1,200,7,1)"});
  // The Bezier's style is a 32-bit parameter: a negative byte arrives sign-extended, not cut to 16.
  for (const int32_t style : {-1, -128}) {
    const jref b = withPoints(kBezier, {0, 0, 3, 9, 7, 9, 10, 0}, 4);
    setFields(b, "lineStyle", {style});
    EXPECT_EQ(draw(b), Lines{"osGXdrawBezierLine(4,[[0,0],[3,9],[7,9],[10,0]],2," +
                             std::to_string(style) + ",200,7,1)"});
  }
}

TEST_F(RetainedShapesTest, SolidPolygonWithoutOutlineGetsAHairlineInItsFillColour) {
  const std::string fill = "osGXfillPolygon(3,[[0,0],[10,0],[5,8]],100,7,1,true)";
  const std::string hairline = "osGXdrawPolygon(3,[[0,0],[10,0],[5,8]],1,100,0,1)";
  const struct {
    int32_t lineColor, lineStyle;
  } cases[] = {{kNone, 1}, {static_cast<int32_t>(0x80FFFFFFu), 1}, {200, 0}};
  for (const auto& c : cases) {
    const jref p = triangle();
    vm.setInt(p, "lineColor", c.lineColor);
    setFields(p, "lineStyle", {c.lineStyle});
    EXPECT_EQ(draw(p), (Lines{fill, hairline})) << c.lineColor << "/" << c.lineStyle;
    setLevel(p, 0, 4, 0, 50, 0);
    EXPECT_EQ(draw(p), gauge({hairline}, "0,4,10,8", {fill, hairline}));
  }
  // Not solid: the outline in lineColor, passed on even when it has bit 31; none without style.
  const jref p = triangle();
  vm.setInt(p, "lineColor", kNone);
  setFields(p, "fillPattern", {2});
  EXPECT_EQ(draw(p).back(), "osGXdrawPolygon(3,[[0,0],[10,0],[5,8]],2,2147483648,7,1)");
  setFields(p, "lineStyle", {0});
  EXPECT_EQ(draw(p).size(), 1u);
}

TEST_F(RetainedShapesTest, PolygonGaugeOutlinesTwiceEvenWithoutLineWidth) {
  const jref p = triangle();
  setFields(p, "lineWidth fillPattern fillFlag", {0, 4, 0});
  setLevel(p, 16, 0, 100, 0);  // right half, from the centre
  const std::string outline = "osGXdrawPolygon(3,[[0,0],[10,0],[5,8]],0,200,7,1)";
  EXPECT_EQ(draw(p),
            gauge({"osGXfillPolygon(3,[[0,0],[10,0],[5,8]],50,7,3,false)", outline}, "5,0,10,8",
                  {"osGXfillPolygon(3,[[0,0],[10,0],[5,8]],100,7,4,false)", outline}));
}

TEST_F(RetainedShapesTest, PointCountIsBoundedByTheArray) {
  const std::vector<int32_t> four = {0, 0, 10, 0, 5, 8, 1, 1};
  const struct {
    const char* what;
    std::vector<int32_t> xy;
    int32_t pointCount;
    int32_t drawnCount;
  } cases[] = {
      {"count past the array", four, 100, 4},
      {"huge count", four, INT32_MAX, 4},
      {"count below the array", four, 3, 3},
      {"odd array length", {0, 0, 10, 0, 5, 8, 1}, 4, 3},
      {"negative count", four, -1, 0},
      {"most negative count", four, INT32_MIN, 0},
      {"array too short", {0, 0, 10, 0, 5}, 3, 0},
      {"empty array", {}, 3, 0},
  };
  for (const auto& c : cases) {
    for (const char* cls : {kPolygon, kBezier}) {
      const int32_t minimum = std::string_view(cls) == kPolygon ? 3 : 4;
      const Lines lines = draw(withPoints(cls, c.xy, c.pointCount));
      EXPECT_EQ(lines.empty(), c.drawnCount < minimum) << cls << ": " << c.what;
      for (const std::string& line : lines) {
        EXPECT_EQ(line.substr(line.find('(') + 1, 2), std::to_string(c.drawnCount) + ",")
            << cls << ": " << c.what;
      }
    }
  }
}

TEST_F(RetainedShapesTest, NullPointsOrNullThisDrawNothing) {
  for (const char* cls : {kPolygon, kBezier}) {
    const jref s = withPoints(cls, {0, 0, 10, 0, 5, 8, 1, 1}, 4);
    vm.setRef(s, "points", 0);
    EXPECT_TRUE(draw(s).empty()) << cls;
  }
  recorder.clear();
  for (const char* cls : {kEllipse, kRectangle, kArc, kPie, kBezier})
    call(cls, "draw(I)V", jref{0}, {I(kLayer)});
  call(kPolygon, "drawPolygon(I)V", jref{0}, {I(kLayer)});
  EXPECT_TRUE(drawn().empty());
}

TEST_F(RetainedShapesTest, ShapesReadTheirFieldsWhereverTheyHaveMoved) {
  const std::vector<jref> shapes = {shape(kEllipse, 10, 20, 110, 220),
                                    rectangle(10, 20, 110, 220),
                                    sector(kArc, 10, 20, 110, 70),
                                    sector(kPie, 10, 20, 110, 220),
                                    triangle(),
                                    withPoints(kBezier, {0, 0, 3, 9, 7, 9, 10, 0}, 4)};
  for (const jref s : {shapes[0], shapes[1], shapes[3], shapes[4]}) setLevel(s, 0, 12, 0, 50);
  std::vector<Lines> before;
  for (const jref s : shapes) before.push_back(draw(s));
  vm.relocateAll();
  vm.relocateOnEveryCall = true;
  for (size_t i = 0; i < shapes.size(); ++i) {
    EXPECT_EQ(draw(shapes[i]), before[i]) << vm.classOf(shapes[i]).name();
  }
}

}  // namespace
}  // namespace zelmo::test
