// Paths drawn by the raster drawing service: placement under the transform, fill and stroke, and
// texts that do not parse.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include "gx/RasterBackend.h"

namespace {

constexpr int32_t kRed = 0xFF0000;
constexpr int32_t kNone = static_cast<int32_t>(0x80000000u);
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kRedPixel = 0xFFFF0000u;

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
  // The box of the pixels that are not white, and how many there are.
  struct Drawn {
    int x1 = 64, y1 = 48, x2 = -1, y2 = -1, count = 0;
    bool operator==(const Drawn&) const = default;
    friend void PrintTo(const Drawn& d, std::ostream* os) {
      *os << "{" << d.x1 << "," << d.y1 << "," << d.x2 << "," << d.y2 << " n=" << d.count << "}";
    }
  };
  Drawn drawn() const {
    Drawn d;
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 64; ++x) {
        if (raster().pixel(x, y) == kWhitePixel) continue;
        d = {std::min(d.x1, x), std::min(d.y1, y), std::max(d.x2, x), std::max(d.y2, y),
             d.count + 1};
      }
    }
    return d;
  }
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
    EXPECT_EQ(drawn(), (Drawn{c.x1, c.y1, c.x2, c.y2, w * h})) << c.tx << "," << c.sx;
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
  EXPECT_EQ(drawn(), (Drawn{10, 8, 29, 11, 80}));
  reset();
  stroke(u"M10 10.5H30", 0);  // 0 is the thinnest line: one row
  EXPECT_EQ(drawn(), (Drawn{10, 10, 29, 10, 20}));
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

TEST_F(RasterPathTest, ArcsClosedOnThemselvesOrWithoutRadiusDrawSoundly) {
  // An arc back to its start adds nothing: the triangle alone is filled.
  fill(u"M0 0H20V20A5 5 0 1 1 20 20Z");
  const Drawn triangle = drawn();
  reset();
  fill(u"M0 0H20V20Z");
  EXPECT_EQ(drawn(), triangle);
  // A zero radius is a straight edge: the square again.
  reset();
  fill(u"M0 0H10V10A0 4 0 0 1 0 10Z");
  EXPECT_EQ(drawn(), (Drawn{0, 0, 9, 9, 100}));
  // Radii too small become a half disc of diameter 20 below the chord y = 10.
  reset();
  fill(u"M10 10A1 1 0 0 0 30 10Z");
  const Drawn half = drawn();
  EXPECT_EQ(half.x1, 10);
  EXPECT_EQ(half.x2, 29);
  EXPECT_EQ(half.y1, 10);
  EXPECT_EQ(half.y2, 19);
}

TEST_F(RasterPathTest, DrawsOnTheCurrentLayerInsideItsClip) {
  raster().setClipArea(0, 0, 4, 4, 1);
  fill(u"M0 0H10V10H0Z");
  EXPECT_EQ(raster().pixel(4, 4, 1), kRedPixel);
  EXPECT_EQ(raster().pixel(5, 5, 1), 0u);
  EXPECT_EQ(raster().pixel(5, 5, 0), kWhitePixel);
}

}  // namespace
