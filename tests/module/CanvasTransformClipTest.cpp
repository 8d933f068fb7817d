// Canvas transform and clip natives, driven through the VM stand-in.
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kBoundsNew = "getClipBounds()Luxclasses/graphics/CuxArea;";
constexpr const char* kBoundsInto = "getClipBounds(Luxclasses/graphics/CuxArea;)Z";

class CanvasClipTest : public ModuleTest {
 protected:
  jref canvas = newCanvas(3);
  std::vector<std::string> clipCalls() {
    std::vector<std::string> out;
    for (const auto& line : drawn())
      if (line.rfind("osGXsetClipArea", 0) == 0) out.push_back(line);
    return out;
  }
};

TEST_F(CanvasClipTest, SetClipPassesInclusiveCornersOnTheCanvasLayerAndOddSizesUnchanged) {
  canvasCall(canvas, "setClip(IIII)V", {I(10), I(20), I(30), I(40)});
  canvasCall(canvas, "setClip(IIII)V", {I(10), I(20), I(0), I(-5)});
  EXPECT_EQ(drawn(), (std::vector<std::string>{"osGXsetClipArea(10,20,39,59,3)",
                                               "osGXsetClipArea(10,20,9,14,3)"}));
}

TEST_F(CanvasClipTest, ClipRectSetsTheRectangleOrNarrowsToTheIntersection) {
  const struct {
    bool clipped;
    int32_t x, y, w, h;
    std::string expected;
  } cases[] = {
      {false, 1, 2, 3, 4, "osGXsetClipArea(1,2,3,5,3)"},  // no clip area yet
      {true, 0, 0, 10, 10, "osGXsetClipArea(5,5,9,9,3)"},
      {true, 100, 100, 10, 10, "osGXsetClipArea(100,100,100,100,3)"},  // touching corner
      {true, 200, 0, 10, 10, "osGXsetClipArea(0,0,0,0,3)"},            // disjoint
      {true, 0, 0, 5, 5, "osGXsetClipArea(0,0,0,0,3)"},                // ends one short of the area
  };
  for (const auto& c : cases) {
    // The area (5,5)-(100,100), or none.
    if (c.clipped) canvasCall(canvas, "setClip(IIII)V", {I(5), I(5), I(96), I(96)});
    recorder.clear();
    canvasCall(canvas, "clipRect(IIII)V", {I(c.x), I(c.y), I(c.w), I(c.h)});
    EXPECT_EQ(clipCalls(), std::vector<std::string>{c.expected}) << c.x << "," << c.y;
  }
}

TEST_F(CanvasClipTest, GetClipBoundsReturnsANewAreaOrFillsOneOnlyWhenClipped) {
  const jref area = vm.newObject("uxclasses/graphics/CuxArea");
  vm.setInt(area, "x1", 7);
  EXPECT_EQ(canvasCall(canvas, kBoundsNew).ref(), 0u);
  EXPECT_FALSE(canvasCall(canvas, kBoundsInto, {R(area)}).z());
  EXPECT_EQ(vm.getInt(area, "x1"), 7);

  canvasCall(canvas, "setClip(IIII)V", {I(10), I(20), I(30), I(40)});
  const jref fresh = canvasCall(canvas, kBoundsNew).ref();
  ASSERT_NE(fresh, 0u);
  EXPECT_EQ(vm.classOf(fresh).name(), "uxclasses/graphics/CuxArea");
  EXPECT_TRUE(canvasCall(canvas, kBoundsInto, {R(area)}).z());
  for (const jref a : {fresh, area}) {
    EXPECT_EQ(ints(a, "x1 y1 x2 y2"), (std::vector<int32_t>{10, 20, 39, 59}));
  }
  EXPECT_FALSE(canvasCall(canvas, kBoundsInto, {R(0)}).z());  // a null area is refused quietly
}

TEST_F(CanvasClipTest, ClipStateIsPerLayer) {
  const jref other = newCanvas(4);
  canvasCall(canvas, "setClip(IIII)V", {I(1), I(2), I(3), I(4)});
  EXPECT_EQ(canvasCall(other, kBoundsNew).ref(), 0u);
  canvasCall(canvas, "removeClipArea()V");
  EXPECT_EQ(canvasCall(canvas, kBoundsNew).ref(), 0u);
  EXPECT_EQ(drawn().back(), "osGXgetClipArea(3,false)");
}

// The translation is observed through a translating native; which natives translate is checked
// shape by shape in the canvas shapes' tests.
TEST_F(ModuleTest, SetTransformTranslatesAndResetRestoresTheOneSavedTranslation) {
  const jref canvas = newCanvas();
  const auto lineFromOrigin = [&] {
    recorder.clear();
    canvasCall(canvas, "drawLine(IIIIIIIII)V",
               {I(0), I(0), I(5), I(5), I(1), I(2), I(1), I(1), I(0)});
    return drawn().at(0);
  };
  canvasCall(canvas, "resetTransform()V");  // right after load: the origin
  EXPECT_EQ(lineFromOrigin(), "osGXdrawLine(0,0,5,5,1,1,1,2,0)");
  canvasCall(canvas, "setTransform(IIFF)V", {I(10), I(20), F(1.0f), F(2.0f)});
  EXPECT_EQ(lineFromOrigin(), "osGXdrawLine(10,20,15,25,1,1,1,2,0)");
  canvasCall(canvas, "setTransform(II)V", {I(30), I(40)});
  canvasCall(canvas, "resetTransform()V");
  EXPECT_EQ(lineFromOrigin(), "osGXdrawLine(10,20,15,25,1,1,1,2,0)");
  canvasCall(canvas, "resetTransform()V");  // twice in a row restores the same value
  EXPECT_EQ(lineFromOrigin(), "osGXdrawLine(10,20,15,25,1,1,1,2,0)");
}

}  // namespace
}  // namespace zelmo::test
