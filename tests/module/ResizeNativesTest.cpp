// The percent-resize natives through the VM stand-in: the rectangle's box, size and centre
// fields.
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kRectangle = "uxclasses/graphics/CuxRectangle";

class ResizeNativesTest : public ModuleTest {};

TEST_F(ResizeNativesTest, RectangleResizeWritesBoxSizeAndCentre) {
  const jref r = vm.newObject(kRectangle);
  setFields(r, "x1 y1 x2 y2 origX1 origY1 origX2 origY2 origCenterX origCenterY centerX centerY",
            {200, 10, 299, 109, 0, 0, 99, 99, 49, 49, 249, 59});
  vm.relocateOnEveryCall = true;
  call(kRectangle, "resizeRectangle(IBIB)V", r, {I(50), B(2), I(70000), B(5)});
  // y2 70009 and centreY 10 + 49 * 70000 / 100 kept to 16 bits; the height keeps 32.
  EXPECT_EQ(ints(r, "x1 y1 x2 y2 rectWidth rectHeight centerX centerY"),
            (std::vector<int32_t>{250, 10, 299, 4473, 50, 70000, 274, -31226}));
  EXPECT_TRUE(drawn().empty());
  call(kRectangle, "resizeRectangle(IBIB)V", std::nullopt, {I(50), B(2), I(50), B(5)});
}

}  // namespace
}  // namespace zelmo::test
