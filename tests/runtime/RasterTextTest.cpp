// Fonts, metrics and text drawn by the raster drawing service.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/Utf.h"
#include "runtime/RasterTestSupport.h"

namespace zelmo::test {
namespace {

class RasterTextTest : public ::testing::Test {
 protected:
  gx::RasterBackend raster{200, 80, 1, 0xFFFFFF};

  uint32_t font(const char* name, uint8_t size = 0, uint8_t style = 0) {
    const std::u16string wide = core::utf16FromUtf8(name);
    return raster.loadFont(wide.c_str(), size, style, 0);
  }
  struct Metrics {
    int32_t width = -1, height = -1, third = -1;
  };
  Metrics measure(uint32_t handle, const std::u16string& text) {
    Metrics m;
    raster.getTextMetrics(handle, text.data(), static_cast<int32_t>(text.size()), &m.width,
                          &m.height, &m.third);
    return m;
  }
  void draw(const POINTRECT& rect, const std::u16string& text, uint32_t handle, int32_t mode,
            bool clip, int32_t back = kNone) {
    TEXTATTRIB attributes{};
    attributes.mode = mode;
    attributes.option3 = 1;
    raster.text(0, rect, TEXTCOL{0x000000, back, 0}, attributes, handle, text.data(),
                static_cast<int32_t>(text.size()), clip);
  }
  Ink ink(int x1 = 0, int y1 = 0, int x2 = 199, int y2 = 79) const {
    return inkOf(raster, x1, y1, x2, y2);
  }
};

TEST_F(RasterTextTest, MeasuredStringBoxHoldsThePixelsDrawn) {
  const uint32_t sans = font("DejaVu Sans:20");
  const std::u16string text = u"Hgjy Pump";
  const Metrics m = measure(sans, text);
  ASSERT_GT(m.width, 40);
  ASSERT_GT(m.height, 15);
  EXPECT_GT(m.third, m.height / 2);  // the baseline is below the middle of the line
  EXPECT_LT(m.third, m.height);
  // As the three-argument drawString does: the box stands on the line y = 60 at x = 10.
  const POINTRECT box{10, 60 - m.height, 10 + m.width, 60};
  draw(box, text, sans, 0, false);
  const Ink drawn = ink();
  ASSERT_GT(drawn.count, 0);
  EXPECT_TRUE(drawn.x1 >= box.x1 && drawn.x2 <= box.x2 && drawn.y1 >= box.y1 && drawn.y2 <= box.y2)
      << ::testing::PrintToString(drawn);
  // ... and fills it: ink reaches near each side (glyph side bearings are a few pixels).
  EXPECT_TRUE(drawn.x1 - box.x1 <= 3 && box.x2 - drawn.x2 <= 3 && drawn.y1 - box.y1 <= 6 &&
              box.y2 - drawn.y2 <= 3)
      << ::testing::PrintToString(drawn);
  // Widths add up, so a text measured in pieces lays out as the whole.
  EXPECT_NEAR(measure(sans, u"Hgjy ").width + measure(sans, u"Pump").width, m.width, 1);
}

TEST_F(RasterTextTest, TextIsClippedToItsRectangleWhenTextFlagIsSet) {
  const uint32_t sans = font("DejaVu Sans:24");
  const POINTRECT box{20, 20, 59, 39};
  draw(box, u"A long label that overflows", sans, 0, true);
  const Ink clipped = ink();
  ASSERT_GT(clipped.count, 0);
  EXPECT_TRUE(clipped.x1 >= 20 && clipped.x2 <= 59 && clipped.y1 >= 20 && clipped.y2 <= 39)
      << ::testing::PrintToString(clipped);

  // Without the flag the text runs on past the box (in the default font: `sans` belongs to the
  // other backend).
  gx::RasterBackend free(200, 80, 1, 0xFFFFFF);
  TEXTATTRIB attributes{};
  const std::u16string text = u"A long label that overflows";
  free.text(0, box, TEXTCOL{0, kNone, 0}, attributes, sans, text.data(),
            static_cast<int32_t>(text.size()), false);
  EXPECT_GT(inkOf(free, 60, 0, 199, 79).count, 0);
}

TEST_F(RasterTextTest, BackgroundColourFillsTheRectangleUnlessNone) {
  draw(POINTRECT{10, 10, 49, 29}, u"", 0, 0, true, 0x00FF00);
  EXPECT_EQ(raster.pixel(10, 10), 0xFF00FF00u);
  EXPECT_EQ(raster.pixel(49, 29), 0xFF00FF00u);
  EXPECT_EQ(raster.pixel(50, 29), kWhitePixel);
  draw(POINTRECT{60, 10, 99, 29}, u"", 0, 0, true, kNone);
  EXPECT_EQ(ink(60, 10, 99, 29).count, 0);
}

TEST_F(RasterTextTest, ModeAndSimpleOptionsPlaceTheText) {
  const uint32_t sans = font("DejaVu Sans:12");
  const POINTRECT left{0, 0, 199, 39}, right{0, 40, 199, 79};
  draw(left, u"42", sans, 0, true);   // left, top
  draw(right, u"42", sans, 8, true);  // right, bottom
  const Ink topLeft = ink(0, 0, 199, 39), bottomRight = ink(0, 40, 199, 79);
  EXPECT_LE(topLeft.x1, 3);
  EXPECT_LE(topLeft.y1, 4);
  EXPECT_GE(bottomRight.x2, 195);
  EXPECT_GE(bottomRight.y2, 75);

  gx::RasterBackend number(200, 40, 1, 0xFFFFFF);
  const std::u16string digits = u"1234";
  number.simpleText(0, POINTRECT{0, 0, 199, 39}, sans, digits.data(), TEXTCOL{0, kNone, 0}, 1, 1,
                    4);
  const Ink centred = inkOf(number, 0, 0, 199, 39);
  EXPECT_NEAR((centred.x1 + centred.x2) / 2.0, 100, 3);
}

TEST_F(RasterTextTest, MarqueeParamScrollsTheTextLeftByThatManyPixels) {
  const uint32_t sans = font("DejaVu Sans:14");
  const std::u16string text = u"MARQUEE";
  const POINTRECT box{0, 0, 199, 39};
  TEXTATTRIB attributes{};
  attributes.option3 = 1;
  raster.scrollMarquee(0, box, TEXTCOL{0, kNone, 0}, attributes, sans, text.data(), 7, true, 0);
  const Ink still = ink();
  gx::RasterBackend moved(200, 80, 1, 0xFFFFFF);
  const uint32_t same = moved.loadFont(u"DejaVu Sans:14", 0, 0, 0);
  moved.scrollMarquee(0, box, TEXTCOL{0, kNone, 0}, attributes, same, text.data(), 7, true, 5);
  EXPECT_EQ(inkOf(moved, 0, 0, 199, 39).x2, still.x2 - 5);
}

TEST_F(RasterTextTest, FontNamesSizesAndFallbacks) {
  const Metrics small = measure(font("DejaVu Sans:10"), u"Tank");
  const Metrics large = measure(font("DejaVu Sans:40"), u"Tank");
  EXPECT_GT(large.height, 3 * small.height);
  EXPECT_GT(large.width, 3 * small.width);
  // The size can come from the second option when the name has none.
  EXPECT_EQ(measure(font("DejaVu Sans", 40), u"Tank").width, large.width);
  // Bold is wider than regular.
  EXPECT_GT(measure(font("DejaVu Sans:bold:40"), u"Tank").width, large.width);
  // An unknown family is drawn in the default family; a generic name finds an installed one.
  EXPECT_EQ(measure(font("No Such Family:40"), u"Tank").width, large.width);
  EXPECT_EQ(measure(font("monospace:40"), u"iiii").width,
            measure(font("monospace:40"), u"MMMM").width);
}

TEST_F(RasterTextTest, UnknownAndUnloadedHandlesUseTheDefaultFont) {
  const Metrics fallback = measure(0, u"Level");
  ASSERT_GT(fallback.width, 0);
  EXPECT_EQ(measure(123456, u"Level").width, fallback.width);
  const uint32_t big = font("DejaVu Sans:30");
  EXPECT_NE(measure(big, u"Level").width, fallback.width);
  raster.unloadFont(big);
  raster.unloadFont(big);  // twice is harmless
  EXPECT_EQ(measure(big, u"Level").width, fallback.width);
  draw(POINTRECT{0, 0, 199, 79}, u"Level", big, 0, true);
  EXPECT_GT(ink().count, 0);
}

TEST_F(RasterTextTest, Utf16TextIsDecodedBeforeDrawing) {
  const uint32_t sans = font("DejaVu Sans:20");
  // Cyrillic and Greek draw real glyphs.
  draw(POINTRECT{0, 0, 199, 39}, u"Насос αβγ", sans, 0, true);
  EXPECT_GT(ink().count, 50);
  // A surrogate pair is one character; a lone surrogate is one replacement character.
  const std::u16string pair = u"\U0001D400";
  ASSERT_EQ(pair.size(), 2u);
  const std::u16string lone = u"\xD835";
  EXPECT_EQ(measure(sans, lone).width, measure(sans, u"\uFFFD").width);
  EXPECT_LT(measure(sans, pair).width, measure(sans, lone + lone).width);
  EXPECT_NEAR(measure(sans, pair + u"x").width,
              measure(sans, pair).width + measure(sans, u"x").width, 1);
  // Empty, null and negative-count texts measure as nothing wide, one line high.
  const Metrics empty = measure(sans, u"");
  EXPECT_EQ(empty.width, 0);
  EXPECT_GT(empty.height, 0);
  int32_t width = -1, height = -1, third = -1;
  raster.getTextMetrics(sans, nullptr, 50, &width, &height, &third);
  EXPECT_EQ(width, 0);
  raster.getTextMetrics(sans, u"abc", INT_MIN, nullptr, nullptr, nullptr);
  TEXTATTRIB attributes{};
  raster.text(0, POINTRECT{0, 0, 10, 10}, TEXTCOL{0, kNone, 0}, attributes, sans, nullptr, INT_MAX,
              true);
  raster.simpleText(INT_MIN, POINTRECT{10, 10, 0, 0}, sans, u"x", TEXTCOL{0, kNone, 0}, -1, 99, 1);
  EXPECT_EQ(raster.currentLayer(), INT_MIN);
}

}  // namespace
}  // namespace zelmo::test
