// Scales: the retained CuxScale and the canvas scale natives, checked through the ticks they
// draw. Each tick is one osGXdrawLine; the tests read its ends back from the recording.
#include <climits>
#include <cmath>

#include "geometry/ScaleTicks.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kScale = "uxclasses/graphics/CuxScale";
constexpr const char* kLinear = "drawScale(IIIIZIIIII)V";
constexpr const char* kRound = "drawScale(IIIIIIIIIIII)V";
constexpr const char* kSubdivided = "drawScaleWithSubDivision(IIIIIIIIIIIIII)V";

class ScalesTest : public ModuleTest {
 protected:
  std::vector<TickLine> ticks() const {
    std::vector<TickLine> out;
    for (const auto& c : recorder.calls()) {
      EXPECT_EQ(c["fn"], "osGXdrawLine");
      out.push_back({c["x1"], c["y1"], c["x2"], c["y2"]});
    }
    return out;
  }
  // The x (or y) of every tick's first end.
  std::vector<int32_t> xs(bool y = false) const {
    std::vector<int32_t> out;
    for (const TickLine& t : ticks()) out.push_back(y ? t.y1 : t.x1);
    return out;
  }
  std::vector<int32_t> ys() const { return xs(true); }

  // A retained scale with a recognisable look; fields given by name override the defaults.
  jref scale(const char* names, std::initializer_list<int32_t> values) {
    const jref s = vm.newObject(kScale);
    setFields(s, "x1 y1 x2 y2 lineColor backColor lineStyle lineWidth tickStep",
              {0, 0, 10, 100, 0x123456, 0x654321, 3, 2, 1});
    setFields(s, names, values);
    return s;
  }
  void drawRetained(jref s) {
    recorder.clear();
    call(kScale, "draw(I)V", s, {I(0)});
  }
  void linear(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool vertical, int32_t divisions) {
    recorder.clear();
    canvasCall(canvas, kLinear,
               {I(x1), I(y1), I(x2), I(y2), Z(vertical), I(7), I(8), I(0x10002), I(0x10001),
                I(divisions)});
  }
  void round(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t start, int32_t end,
             int32_t inner, int32_t divisions) {
    recorder.clear();
    canvasCall(canvas, kRound,
               {I(x1), I(y1), I(x2), I(y2), I(start), I(end), I(inner), I(7), I(8), I(2), I(1),
                I(divisions)});
  }
  void subdivided(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t inset, int32_t start,
                  int32_t end, int32_t inner, int32_t divisions, int32_t subdivisions) {
    recorder.clear();
    canvasCall(canvas, kSubdivided,
               {I(x1), I(y1), I(x2), I(y2), I(inset), I(start), I(end), I(inner), I(7), I(8), I(2),
                I(1), I(divisions), I(subdivisions)});
  }

  jref canvas = newCanvas();
};

using Ints = std::vector<int32_t>;

TEST_F(ScalesTest, LinearTicksSpreadEvenlyAndKeepTheirPen) {
  linear(5, 0, 15, 100, true, 4);
  EXPECT_EQ(ys(), (Ints{100, 75, 50, 25, 0}));
  // The pen comes from the arguments, width and style on 16 bits, line end 0.
  EXPECT_EQ(drawn().front(), "osGXdrawLine(5,100,15,100,2,1,7,8,0)");
  linear(0, 20, 10, 30, false, 3);
  EXPECT_EQ(xs(), (Ints{0, 3, 7, 10}));
  EXPECT_EQ(drawn().back(), "osGXdrawLine(10,20,10,30,2,1,7,8,0)");
}

TEST_F(ScalesTest, RetainedScaleStepsAndDirections) {
  drawRetained(scale("x2 tickStep divisions", {5, 2, 5}));
  EXPECT_EQ(xs(), (Ints{0, 2, 4}));  // tick 5 is not on the step
  EXPECT_EQ(drawn().front(), "osGXdrawLine(0,0,0,100,2,3,1193046,6636321,0)");
  drawRetained(scale("vertical divisions", {1, 4}));
  EXPECT_EQ(ys(), (Ints{100, 75, 50, 25, 0}));
  for (const int32_t step : {0, -1, INT_MIN}) {
    drawRetained(scale("tickStep divisions", {step, 5}));
    EXPECT_TRUE(drawn().empty()) << "step " << step;
  }
  for (const int32_t divisions : {0, -4}) {
    drawRetained(scale("divisions circular", {divisions, 1}));
    EXPECT_TRUE(drawn().empty()) << "divisions " << divisions;
  }
}

TEST_F(ScalesTest, OnlyTheCanvasScalesAreTranslated) {
  canvasCall(canvas, "setTransform(II)V", {I(100), I(200)});
  linear(0, 0, 10, 100, false, 1);
  EXPECT_EQ(drawn(), (std::vector<std::string>{"osGXdrawLine(100,200,100,300,2,1,7,8,0)",
                                               "osGXdrawLine(110,200,110,300,2,1,7,8,0)"}));
  round(0, 0, 20, 20, 0, 90, 5, 1);  // r 10, centre (10, 10) moved by the translation
  EXPECT_EQ(ticks()[0], (TickLine{120, 210, 115, 210}));
  EXPECT_EQ(ticks()[1], (TickLine{110, 200, 110, 205}));
  drawRetained(scale("tickStep divisions", {1, 1}));
  EXPECT_EQ(xs(), (Ints{0, 10}));
  canvasCall(canvas, "setTransform(II)V", {I(0), I(0)});  // for runs sharing one process
}

// The ticks of a retained round scale of radius 100 around (500, 500), as (angle) directions.
TEST_F(ScalesTest, RoundTicksFollowTheirAngles) {
  const auto directions = [&](int32_t start, int32_t end, int32_t divisions) {
    drawRetained(scale("x1 y1 x2 y2 circular innerRadius outerRadius startAngle endAngle divisions",
                       {400, 400, 600, 600, 1, 90, 100, start, end, divisions}));
    std::vector<int32_t> degrees;
    for (const TickLine& t : ticks()) {
      EXPECT_NEAR(std::hypot(t.x1 - 500, t.y1 - 500), 100.0, 1.5) << start << " " << end;
      const double a = std::atan2(500 - t.y1, t.x1 - 500) * 180 / M_PI;
      degrees.push_back(static_cast<int32_t>(std::lround(a < 0 ? a + 360 : a)));
    }
    return degrees;
  };
  EXPECT_EQ(directions(0, 0, 4), (Ints{0, 90, 180, 270, 0}));  // equal angles: a full turn
  EXPECT_EQ(directions(300, 60, 2), (Ints{300, 0, 60}));
  EXPECT_EQ(directions(-3600, -3600, 4), (Ints{0, 90, 180, 270, 0}));
  EXPECT_EQ(directions(360000000, 360000090, 2), (Ints{0, 45, 90}));
  // INT_MIN degrees is 232 degrees past a whole number of turns.
  EXPECT_EQ(directions(INT_MIN, INT_MIN + 90, 1), (Ints{232, 322}));
  EXPECT_EQ(directions(-45, 225, 6), (Ints{315, 0, 45, 90, 135, 180, 225}));
}

TEST_F(ScalesTest, SubdividedScaleAddsShortTicksOnTheInsetCircle) {
  subdivided(0, 0, 200, 200, 10, 0, 180, 70, 4, 1);  // the circle inscribed in the box's width
  const std::vector<TickLine> t = ticks();
  ASSERT_EQ(t.size(), 5u + 9u);
  EXPECT_EQ(t[0], (TickLine{200, 100, 170, 100}));  // long: r 100 from the full box
  EXPECT_EQ(t[5], (TickLine{190, 100, 170, 100}));  // short: r 90 from the inset box
  for (size_t k = 0; k < 5; ++k) EXPECT_EQ(t[5 + 2 * k].x2, t[k].x2) << k;
  for (const int32_t subdivisions : {0, -1}) {
    subdivided(0, 0, 200, 200, 10, 0, 180, 70, 4, subdivisions);
    EXPECT_EQ(ticks().size(), 5u);
  }
  subdivided(0, 0, 200, 200, 10, 0, 180, 70, 0, 3);
  EXPECT_TRUE(drawn().empty());
}

// No call may loop past 32767 ticks: the whole call is dropped, or for a subdivided scale only
// its short ticks.
TEST_F(ScalesTest, TickCountsAreBounded) {
  linear(0, 0, 100, 10, false, 32766);
  EXPECT_EQ(ticks().size(), 32767u);
  for (const int32_t divisions : {32767, INT_MAX}) {
    linear(0, 0, 100, 10, true, divisions);
    EXPECT_TRUE(drawn().empty()) << divisions;
    round(0, 0, 100, 100, 0, 90, 0, divisions);
    EXPECT_TRUE(drawn().empty()) << divisions;
  }
  round(0, 0, 100, 100, 0, 90, 0, 32766);
  EXPECT_EQ(ticks().size(), 32767u);
  drawRetained(scale("tickStep divisions", {1000000, INT_MAX}));
  EXPECT_EQ(ticks().size(), 2148u);
  subdivided(0, 0, 100, 100, 5, 0, 90, 0, 2, INT_MAX);
  EXPECT_EQ(ticks().size(), 3u);
  subdivided(0, 0, 100, 100, 5, 0, 90, 0, 3, 10921);  // 10922 × 3 = 32766 short ticks
  EXPECT_EQ(ticks().size(), 4u + 32767u);
}

TEST_F(ScalesTest, HugeSpansWrapOnlyTheCoordinates) {
  linear(0, -1000000000, 1, 1000000000, true, 5);
  EXPECT_EQ(ys(), (Ints{1000000000, 600000000, 200000000, -200000000, -600000000, -1000000000}));
  linear(0, INT_MIN, 1, INT_MAX, true, 2);
  EXPECT_EQ(ys(), (Ints{INT_MAX, -1, INT_MIN}));
  linear(INT_MIN, 0, INT_MAX, 1, false, 2);
  EXPECT_EQ(xs(), (Ints{INT_MIN, 0, INT_MIN}));  // 2^32 past INT_MIN wraps back to it
  // A box as wide as the ints: r 2^31 and a centre one past INT_MAX, both kept to 32 bits.
  round(INT_MIN, 0, INT_MAX, 0, 0, 180, 0, 1);
  EXPECT_EQ(ticks(), (std::vector<TickLine>{{INT_MIN, 0, 0, 0}, {INT_MIN, 0, 0, 0}}));
}

}  // namespace
}  // namespace zelmo::test
