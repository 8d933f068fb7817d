// drawMarks: the calls each mark type makes, and which points of the arrays get marked.
#include <climits>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using Calls = std::vector<std::string>;

class MarksTest : public ModuleTest {
 protected:
  Calls marks(jref xs, jref ys, int32_t start, int32_t count, int32_t size, int32_t type) {
    recorder.clear();
    canvasCall(canvas, "drawMarks([I[IIIIII)V",
               {R(xs), R(ys), I(start), I(count), I(9), I(size), I(type)});
    return drawn();
  }
  // The x of every mark drawn as a filled circle, in order.
  std::vector<int32_t> markedXs(jref xs, jref ys, int32_t start, int32_t count) {
    marks(xs, ys, start, count, 0, 1);
    std::vector<int32_t> out;
    for (const auto& c : recorder.calls()) out.push_back(c["x1"]);
    return out;
  }

  jref canvas = newCanvas();
  jref point = vm.newIntArray(std::vector<int32_t>{50});
};

std::string line(int x1, int y1, int x2, int y2) {
  return "osGXdrawLine(" + std::to_string(x1) + "," + std::to_string(y1) + "," +
         std::to_string(x2) + "," + std::to_string(y2) + ",1,1,9,0,0)";
}

// Size 7 around (50, 50): half size 3, corners 47 and 53.
TEST_F(MarksTest, EachTypeDrawsItsSymbol) {
  const Calls diagonal = {line(47, 47, 53, 53), line(53, 47, 47, 53)};
  const Calls upright = {line(47, 50, 53, 50), line(50, 47, 50, 53)};
  const Calls diamond = {line(47, 50, 50, 47), line(50, 47, 53, 50), line(53, 50, 50, 53),
                         line(50, 53, 47, 50)};
  const std::string square = "osGXdrawRectangle(47,47,53,53,1,1,9,0,0,1,1)";
  const auto join = [](Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const std::pair<int32_t, Calls> table[] = {
      {0, {}},
      {1, {"osGXfillEllipse(47,47,53,53,9,1,0)"}},
      {2, {"osGXdrawEllipse(47,47,53,53,9,1,1,0)"}},
      {3, diagonal},
      {4, diamond},
      {5, join(diamond, upright)},
      {6, upright},
      {7, {square}},
      {8, join({square}, diagonal)},
      {9, {line(47, 47, 53, 47), line(53, 47, 50, 53), line(50, 53, 47, 47)}},
      {10, {line(47, 53, 50, 47), line(50, 47, 53, 53), line(53, 53, 47, 53)}},
      {11, {}},
      {-1, {}},
      {INT_MIN, {}},
  };
  for (const auto& [type, expected] : table)
    EXPECT_EQ(marks(point, point, 0, 1, 7, type), expected) << "type " << type;
  // Size 1: every mark shrinks to its centre pixel, still drawn; an even size draws one larger.
  EXPECT_EQ(marks(point, point, 0, 1, 1, 7), Calls{"osGXdrawRectangle(50,50,50,50,1,1,9,0,0,1,1)"});
  EXPECT_EQ(marks(point, point, 0, 1, 4, 1), marks(point, point, 0, 1, 5, 1));
}

TEST_F(MarksTest, OnlyIndicesBothArraysHoldAreMarked) {
  const jref xs = vm.newIntArray(std::vector<int32_t>{0, 1, 2, 3, 4, 5});
  const jref ys = vm.newIntArray(std::vector<int32_t>{0, 0, 0, 0, 0});
  using Ints = std::vector<int32_t>;
  EXPECT_EQ(markedXs(xs, ys, 3, 2), (Ints{3, 4}));
  EXPECT_EQ(markedXs(xs, ys, -2, 4), (Ints{0, 1}));
  EXPECT_EQ(markedXs(xs, ys, 3, INT_MAX), (Ints{3, 4}));  // ys ends first
  EXPECT_EQ(markedXs(xs, ys, INT_MIN, INT_MAX), (Ints{}));
  EXPECT_EQ(markedXs(xs, ys, INT_MAX, INT_MAX), (Ints{}));
  EXPECT_EQ(markedXs(xs, ys, 0, 0), (Ints{}));
  EXPECT_EQ(markedXs(xs, ys, 0, -1), (Ints{}));
  EXPECT_EQ(markedXs(0, ys, 0, 5), (Ints{}));
  EXPECT_EQ(markedXs(xs, 0, 0, 5), (Ints{}));
}

}  // namespace
}  // namespace zelmo::test
