// Paths drawn by the raster drawing service: placement under the transform, fill and stroke, and
// texts that do not parse.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "runtime/RasterTestSupport.h"

namespace zelmo::test {
namespace {

class RasterPathTest : public ::testing::Test {
 protected:
  std::unique_ptr<gx::RasterBackend> surface = fresh();

  static std::unique_ptr<gx::RasterBackend> fresh() {
    return std::make_unique<gx::RasterBackend>(64, 48, 2, 0xFFFFFF);
  }
  gx::RasterBackend& raster() const { return *surface; }
  void reset() { surface = fresh(); }

  void fill(const std::u16string& text, int32_t tx = 0, int32_t ty = 0, int32_t sx = 0,
            int32_t sy = 0, int32_t colour = kRed) {
    raster().fillPath(tx, ty, sx, sy, text.data(), static_cast<int32_t>(text.size()), colour);
  }
  void stroke(const std::u16string& text, uint16_t width) {
    raster().drawPath(0, 0, 0, 0, text.data(), static_cast<int32_t>(text.size()), kRed, width);
  }
  Ink drawn() const { return inkOf(raster(), 0, 0, 63, 47); }
};

TEST_F(RasterPathTest, ASquareFillsExactlyItsPixelsUnderTranslationAndScale) {
  const struct {
    int32_t tx, ty, sx, sy;
    int x1, y1, x2, y2;
  } cases[] = {
      {0, 0, 0, 0, 0, 0, 9, 9},  // a scale of 0 counts as 1
      {0, 0, 256, 256, 0, 0, 9, 9},
      {5, 7, 0, 0, 5, 7, 14, 16},
      {5, 7, 512, 128, 5, 7, 24, 11},        // 2.0 wide, 0.5 high
      {40, 30, -256, -256, 30, 20, 39, 29},  // negative scales mirror
  };
  for (const auto& c : cases) {
    reset();
    fill(u"M0 0H10V10H0Z", c.tx, c.ty, c.sx, c.sy);
    const int w = c.x2 - c.x1 + 1, h = c.y2 - c.y1 + 1;
    EXPECT_EQ(drawn(), (Ink{c.x1, c.y1, c.x2, c.y2, w * h})) << c.tx << "," << c.sx;
    EXPECT_EQ(raster().pixel(c.x1, c.y1), kRedPixel);
    EXPECT_EQ(raster().pixel(c.x2, c.y2), kRedPixel);
  }
}

TEST_F(RasterPathTest, FillIsNonZeroAndStrokeWidthIsInPixels) {
  // Two squares wound the same way, one inside the other: non-zero fills the inner one too.
  fill(u"M0 0H20V20H0Z M5 5H15V15H5Z");
  EXPECT_EQ(drawn().count, 400);
  reset();
  // A horizontal line of width 4 on the row boundary 10 covers rows 8..11; butt caps stop it at
  // x = 10 and 30. The width is not scaled.
  stroke(u"M10 10H30", 4);
  EXPECT_EQ(drawn(), (Ink{10, 8, 29, 11, 80}));
  reset();
  stroke(u"M10 10.5H30", 0);  // 0 is the thinnest line: one row
  EXPECT_EQ(drawn(), (Ink{10, 10, 29, 10, 20}));
}

TEST_F(RasterPathTest, ATextThatDoesNotParseLeavesTheSurfaceUntouchedAndIsReportedOnce) {
  fill(u"M0 0H10V10H0Z L");  // the square before the error is not drawn either
  stroke(u"M0 0H10V10H0Z L", 3);
  fill(u"M0 0H10\u00E9");
  EXPECT_EQ(drawn().count, 0);
  ASSERT_EQ(raster().pathErrors().size(), 2u);
  EXPECT_EQ(raster().pathErrors()[0], "path \"M0 0H10V10H0Z L\": at 15: expected a number");
  EXPECT_EQ(raster().pathErrors()[1], "path \"M0 0H10?\": at 7: a character outside ASCII");
  // A colour of none or an empty text draws nothing and reports nothing.
  fill(u"M0 0H10V10H0Z", 0, 0, 0, 0, kNone);
  fill(u"");
  raster().fillPath(0, 0, 0, 0, nullptr, 5, kRed);
  EXPECT_EQ(drawn().count, 0);
  EXPECT_EQ(raster().pathErrors().size(), 2u);
}

TEST_F(RasterPathTest, DrawsOnTheCurrentLayerInsideItsClip) {
  raster().setClipArea(0, 0, 4, 4, 1);
  fill(u"M0 0H10V10H0Z");
  EXPECT_EQ(raster().pixel(4, 4, 1), kRedPixel);
  EXPECT_EQ(raster().pixel(5, 5, 1), 0u);
  EXPECT_EQ(raster().pixel(5, 5, 0), kWhitePixel);
}

}  // namespace
}  // namespace zelmo::test
