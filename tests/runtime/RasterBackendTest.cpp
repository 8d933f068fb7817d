// Pixels drawn by the raster drawing service for its shape, clip and layer calls.
#include <cairo.h>
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "gx/PngFile.h"
#include "runtime/RasterTestSupport.h"

namespace zelmo::test {
namespace {

int countIn(const gx::RasterBackend& r, uint32_t colour, int x1 = 0, int y1 = 0, int x2 = 63,
            int y2 = 47) {
  return inkOf(r, x1, y1, x2, y2, colour).count;
}

cairo_status_t appendTo(void* bytes, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(bytes)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

cairo_status_t readFrom(void* closure, unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::string_view*>(closure);
  if (bytes->size() < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, bytes->data(), length);
  bytes->remove_prefix(length);
  return CAIRO_STATUS_SUCCESS;
}

// The pixels of PNG bytes as cairo reads them back, premultiplied, row by row.
std::vector<uint32_t> pixelsOfPng(const std::string& png) {
  std::string_view bytes(png);
  cairo_surface_t* read = cairo_image_surface_create_from_png_stream(readFrom, &bytes);
  std::vector<uint32_t> pixels;
  if (cairo_surface_status(read) == CAIRO_STATUS_SUCCESS) {
    const int width = cairo_image_surface_get_width(read);
    for (int y = 0; y < cairo_image_surface_get_height(read); ++y) {
      const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(read) +
                                                          y * cairo_image_surface_get_stride(read));
      pixels.insert(pixels.end(), row, row + width);
    }
  }
  cairo_surface_destroy(read);
  return pixels;
}

class RasterBackendTest : public ::testing::Test {
 protected:
  gx::RasterBackend raster{64, 48, 2, 0xFFFFFF};

  int count(uint32_t colour, int x1 = 0, int y1 = 0, int x2 = 63, int y2 = 47) const {
    return countIn(raster, colour, x1, y1, x2, y2);
  }
  void fill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour = kRed) {
    raster.fillRectangle(x1, y1, x2, y2, 1, colour, 1, 0, 0, 0, 0);
  }
};

TEST_F(RasterBackendTest, FillCoversExactlyItsInclusiveBoxInEitherCornerOrder) {
  raster.drawRectangle(10, 10, 10, 10, 1, 1, kRed, 0, 0, 0, 0);  // one pixel, outlined or filled
  raster.fillRectangle(20, 20, 20, 20, 1, kBlue, 1, 0, 0, 0, 0);
  EXPECT_EQ(inkOf(raster, 0, 0, 63, 47, kRedPixel), (Ink{10, 10, 10, 10, 1}));
  EXPECT_EQ(inkOf(raster, 0, 0, 63, 47, kBluePixel), (Ink{20, 20, 20, 20, 1}));
  const std::array<int32_t, 4> corners[] = {{2, 3, 6, 8}, {6, 8, 2, 3}, {6, 3, 2, 8}};
  for (const auto& [x1, y1, x2, y2] : corners) {
    gx::RasterBackend fresh(32, 32, 1, 0xFFFFFF);
    fresh.fillRectangle(x1, y1, x2, y2, 0, kRed, 1, 0, 0, 0, 0);
    EXPECT_EQ(inkOf(fresh, 0, 0, 31, 31), (Ink{2, 3, 6, 8, 5 * 6})) << x1 << "," << y1;
  }
}

TEST_F(RasterBackendTest, OutlineOfWidthLiesInsideItsBox) {
  raster.drawRectangle(10, 10, 29, 29, 3, 1, kRed, 0, 0, 0, 0);
  EXPECT_EQ(raster.pixel(10, 10), kRedPixel);
  EXPECT_EQ(raster.pixel(12, 20), kRedPixel);
  EXPECT_EQ(raster.pixel(13, 20), kWhitePixel);
  EXPECT_EQ(raster.pixel(29, 29), kRedPixel);
  EXPECT_EQ(raster.pixel(27, 20), kRedPixel);
  EXPECT_EQ(raster.pixel(26, 20), kWhitePixel);
  EXPECT_EQ(count(kRedPixel, 0, 0, 63, 9) + count(kRedPixel, 30, 0, 63, 47), 0);
  // Style 0 is no line at all, as the module's fills rely on.
  raster.drawRectangle(40, 10, 50, 20, 1, 0, kBlue, 0, 0, 0, 0);
  EXPECT_EQ(count(kBluePixel), 0);
}

TEST_F(RasterBackendTest, ClipAreaBoundsEveryDrawingOnItsLayer) {
  raster.setClipArea(5, 5, 9, 9, 0);
  fill(0, 0, 63, 47);
  raster.drawLine(0, 7, 63, 7, 1, 1, kBlue, 0, 0);
  EXPECT_EQ(count(kRedPixel) + count(kBluePixel), 25);
  EXPECT_EQ(count(kBluePixel, 0, 7, 63, 7), 5);
  EXPECT_EQ(raster.pixel(10, 9), kWhitePixel);
  EXPECT_EQ(raster.pixel(4, 5), kWhitePixel);

  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  EXPECT_TRUE(raster.getClipArea(&x1, &y1, &x2, &y2, 0));
  EXPECT_EQ(x2, 9);
  raster.removeClipArea(0);
  EXPECT_FALSE(raster.getClipArea(&x1, &y1, &x2, &y2, 0));
}

TEST_F(RasterBackendTest, DegenerateClipAreas) {
  // The fill-level clip of a zero percentage is the single pixel (0, 0).
  raster.setClipArea(0, 0, 0, 0, 0);
  fill(0, 0, 63, 47);
  EXPECT_EQ(count(kRedPixel), 1);
  EXPECT_EQ(raster.pixel(0, 0), kRedPixel);
  // Inverted corners clip everything away.
  raster.setClipArea(20, 20, 10, 10, 0);
  fill(0, 0, 63, 47, kBlue);
  EXPECT_EQ(count(kBluePixel), 0);
  // A clip far outside the surface draws nothing and does not crash.
  raster.setClipArea(INT_MIN, INT_MIN, -5, -5, 0);
  fill(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBlue);
  EXPECT_EQ(count(kBluePixel), 0);
}

TEST_F(RasterBackendTest, ColourWithBit31DrawsNothing) {
  const APOINT points[4] = {{1, 1}, {30, 2}, {20, 30}, {2, 20}};
  const POINTRECT box{0, 0, 40, 40};
  const POINTLINE ends{40, 20, 20, 0};
  raster.drawLine(0, 0, 40, 40, 3, 1, kNone, 0, 3);
  raster.drawRectangle(0, 0, 40, 40, 2, 1, kNone, 0, 0, 0, 0);
  fill(0, 0, 40, 40, kNone);
  raster.drawEllipse(0, 0, 40, 40, kNone, 1, 2, 0);
  raster.fillEllipse(0, 0, 40, 40, kNone, 1, 0);
  raster.drawPolygon(4, points, 1, kNone, 0, 1);
  raster.fillPolygon(4, points, kNone, 0, 1, true);
  raster.drawPolyline(4, points, 1, 1, kNone, 0, 0);
  raster.drawBezierLine(4, points, 1, 1, kNone, 0, 0);
  raster.fillTriangle(0, 0, 40, 0, 0, 40, kNone, 0, 1);
  raster.drawArc(box, ends, kNone, 0, 1, 2, box, true);
  raster.pie(0, box, ends, PLANECOL{kNone, 0, kNone}, PLANEATTRIB{1, 1, 1, 1}, box, true);
  EXPECT_EQ(count(kWhitePixel), 64 * 48);
}

TEST_F(RasterBackendTest, LayersCompositeInOrderAndShapesFollowTheLastNamedLayer) {
  EXPECT_EQ(raster.currentLayer(), 0);
  fill(0, 0, 19, 19, kRed);
  raster.removeClipArea(1);  // names layer 1
  EXPECT_EQ(raster.currentLayer(), 1);
  fill(10, 10, 29, 29, kBlue);
  EXPECT_EQ(raster.pixel(5, 5), kRedPixel);
  EXPECT_EQ(raster.pixel(15, 15), kBluePixel);
  EXPECT_EQ(raster.pixel(25, 25), kBluePixel);
  EXPECT_EQ(raster.pixel(15, 15, 0), kRedPixel);
  EXPECT_EQ(raster.pixel(5, 5, 1), 0u);  // layers above 0 start transparent

  const POINTRECT box{40, 0, 59, 19};
  raster.pie(0, box, POINTLINE{59, 9, 49, 0}, PLANECOL{kRed, 0, kRed}, PLANEATTRIB{1, 1, 1, 1}, box,
             true);
  EXPECT_EQ(raster.currentLayer(), 0);
  // A layer that does not exist takes the shapes, which then draw nothing.
  raster.setClipArea(0, 0, 63, 47, 7);
  fill(0, 0, 63, 47, kBlue);
  EXPECT_EQ(raster.pixel(35, 40), kWhitePixel);
}

TEST_F(RasterBackendTest, LineCoversTheBoxItsBoundingRectReports) {
  // Lines of several widths stay inside the reported box; straight ones reach each of its sides.
  struct Case {
    APOINT from, to;
  };
  for (uint8_t width : {0, 1, 2, 3, 4, 7}) {
    for (const Case c :
         {Case{{10, 20}, {40, 20}}, Case{{30, 5}, {30, 40}}, Case{{12, 10}, {45, 35}}}) {
      gx::RasterBackend fresh(64, 48, 1, 0xFFFFFF);
      fresh.drawLine(c.from.x, c.from.y, c.to.x, c.to.y, width, 1, kRed, 0, 0);
      POINTRECT r{};
      fresh.getLineBoundingRect(c.from, c.to, width, &r);
      const Ink ink = inkOf(fresh, 0, 0, 63, 47, kRedPixel);
      const std::string where = "width " + std::to_string(width) + " from " +
                                std::to_string(c.from.x) + "," + std::to_string(c.from.y);
      EXPECT_TRUE(ink.x1 >= r.x1 && ink.y1 >= r.y1 && ink.x2 <= r.x2 && ink.y2 <= r.y2)
          << where << " " << ::testing::PrintToString(ink);
      if (c.from.x == c.to.x || c.from.y == c.to.y) {  // exact for axis-aligned lines
        EXPECT_EQ((Ink{r.x1, r.y1, r.x2, r.y2, ink.count}), ink) << where;
      }
    }
  }
}

TEST_F(RasterBackendTest, DashedStylesLeaveGapsAndTwoColourStylesFillThem) {
  raster.drawLine(0, 5, 59, 5, 1, 2, kRed, kBlue, 0);
  const int dashed = count(kRedPixel, 0, 5, 63, 5);
  EXPECT_GT(dashed, 20);
  EXPECT_LT(dashed, 60);
  EXPECT_EQ(count(kBluePixel), 0);
  EXPECT_EQ(raster.pixel(0, 5), kRedPixel);
  EXPECT_EQ(raster.pixel(59, 5), kRedPixel);  // the end pixel is covered in a dash

  raster.drawLine(0, 10, 59, 10, 1, 8, kRed, kBlue, 0);
  EXPECT_EQ(count(kRedPixel, 0, 10, 63, 10), 30);
  EXPECT_EQ(count(kBluePixel, 0, 10, 63, 10), 30);
}

TEST_F(RasterBackendTest, ArrowHeadsSitOnTheChosenEnds) {
  const auto widthAt = [this](int x) { return count(kRedPixel, x, 0, x, 47); };
  raster.drawLine(10, 20, 50, 20, 1, 1, kRed, 0, 1);
  EXPECT_GT(widthAt(44), 3);  // the head near the last point
  EXPECT_EQ(widthAt(12), 1);
  EXPECT_EQ(raster.pixel(50, 20), kRedPixel);
  EXPECT_EQ(raster.pixel(51, 20), kWhitePixel);

  gx::RasterBackend both(64, 48, 1, 0xFFFFFF);
  both.drawLine(10, 20, 50, 20, 1, 1, kRed, 0, 3);
  EXPECT_GT(countIn(both, kRedPixel, 16, 0, 16, 47), 3);
}

TEST_F(RasterBackendTest, FillFlagChoosesWindingOrEvenOdd) {
  // A five-pointed star drawn in one stroke: its centre is wound twice.
  const APOINT star[5] = {{32, 2}, {50, 44}, {4, 17}, {60, 17}, {14, 44}};
  raster.fillPolygon(5, star, kRed, 0, 1, true);
  EXPECT_EQ(raster.pixel(32, 24), kRedPixel);
  gx::RasterBackend evenOdd(64, 48, 1, 0xFFFFFF);
  evenOdd.fillPolygon(5, star, kRed, 0, 1, false);
  EXPECT_EQ(evenOdd.pixel(32, 24), kWhitePixel);
  EXPECT_EQ(evenOdd.pixel(32, 8), kRedPixel);  // a point of the star
}

TEST_F(RasterBackendTest, FilledTriangleCoversItsCornerAndEdgePixels) {
  // The shape of a bevel button's corner: the lower-right half of a square, diagonal included.
  raster.fillTriangle(10, 19, 19, 19, 19, 10, kRed, 0, 1);
  for (const auto& [x, y] : {std::pair{10, 19}, {19, 19}, {19, 10}, {15, 14}, {14, 15}, {17, 17}}) {
    EXPECT_EQ(raster.pixel(x, y), kRedPixel) << x << "," << y;
  }
  EXPECT_EQ(raster.pixel(14, 14), kWhitePixel);
  EXPECT_EQ(raster.pixel(10, 18), kWhitePixel);
  EXPECT_EQ(count(kRedPixel), 55);  // 10 + 9 + ... + 1
}

TEST_F(RasterBackendTest, ArcsAndPiesRunCounterClockwiseFromStartToEnd) {
  // Ellipse (0,0)-(40,40): from its right point to its top point is the upper-right quarter.
  const POINTRECT box{0, 0, 40, 40};
  raster.pie(0, box, POINTLINE{40, 20, 20, 0}, PLANECOL{kRed, 0, kRed}, PLANEATTRIB{1, 1, 1, 1},
             box, true);
  EXPECT_EQ(raster.pixel(28, 12), kRedPixel);
  EXPECT_EQ(raster.pixel(12, 28), kWhitePixel);
  EXPECT_EQ(raster.pixel(12, 12), kWhitePixel);
  EXPECT_EQ(raster.pixel(28, 28), kWhitePixel);

  // The same two points the other way round give the other three quarters.
  gx::RasterBackend rest(64, 48, 1, 0xFFFFFF);
  rest.pie(0, box, POINTLINE{20, 0, 40, 20}, PLANECOL{kRed, 0, kRed}, PLANEATTRIB{1, 1, 1, 1}, box,
           true);
  EXPECT_EQ(rest.pixel(28, 12), kWhitePixel);
  EXPECT_EQ(rest.pixel(12, 28), kRedPixel);
  EXPECT_EQ(rest.pixel(12, 12), kRedPixel);

  // An arc outline: only the upper-right quarter of the circle is drawn.
  gx::RasterBackend arc(64, 48, 1, 0xFFFFFF);
  arc.drawArc(box, POINTLINE{40, 20, 20, 0}, kRed, 0, 1, 2, box, true);
  int upperRight = 0, elsewhere = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      if ((arc.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) continue;
      (x >= 18 && y <= 22 ? upperRight : elsewhere) += 1;
    }
  EXPECT_GT(upperRight, 20);
  EXPECT_EQ(elsewhere, 0);
}

TEST_F(RasterBackendTest, HatchesDrawColourOnBackColourOrLeaveGapsTransparent) {
  raster.fillRectangle(0, 0, 15, 15, 0, kRed, 2, kBlue, 0, 0, 0);  // horizontal lines
  EXPECT_EQ(count(kRedPixel, 0, 0, 15, 15), 4 * 16);
  EXPECT_EQ(count(kBluePixel, 0, 0, 15, 15), 12 * 16);
  raster.fillRectangle(20, 0, 35, 15, 0, kRed, 3, kNone, 0, 0, 0);  // vertical lines
  EXPECT_EQ(count(kRedPixel, 20, 0, 35, 15), 4 * 16);
  EXPECT_EQ(count(kWhitePixel, 20, 0, 35, 15), 12 * 16);
  raster.fillRectangle(40, 0, 55, 15, 0, kRed, 0, kBlue, 0, 0, 0);  // pattern 0: nothing
  EXPECT_EQ(count(kWhitePixel, 40, 0, 55, 15), 16 * 16);
}

TEST_F(RasterBackendTest, HostileArgumentsAreSafe) {
  const APOINT points[2] = {{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
  raster.drawPolygon(-5, points, 1, kRed, 0, 1);
  raster.drawPolyline(3, nullptr, 1, 1, kRed, 0, 3);
  raster.fillPolygon(INT_MIN, points, kRed, 0, 1, true);
  raster.drawBezierLine(2, points, INT_MAX, 1, kRed, 0, 3);
  raster.drawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 65535, 3, kRed, kBlue, 3);
  raster.drawEllipse(INT_MIN, 0, INT_MAX, 0, kRed, 2, 65535, 0);
  raster.drawRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 1, kBlue, 0, 1, INT_MAX,
                       INT_MIN);
  const POINTRECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  raster.drawArc(huge, POINTLINE{INT_MAX, 0, 0, INT_MIN}, kRed, 0, 1, INT_MAX, huge, false);
  raster.pie(INT_MIN, huge, POINTLINE{0, 0, 0, 0}, PLANECOL{kRed, 0, kRed},
             PLANEATTRIB{255, 255, 255, 255}, huge, true);
  raster.getLineBoundingRect(points[0], points[1], 255, nullptr);
  raster.removeClipArea(0);  // back to layer 0 after the pie named a layer that does not exist
  fill(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBlue);
  EXPECT_EQ(count(kBluePixel), 64 * 48);
  EXPECT_EQ(raster.pixel(-1, 0), 0u);
  EXPECT_EQ(raster.pixel(0, 48), 0u);
  EXPECT_EQ(raster.pixel(0, 0, 2), 0u);
}

TEST_F(RasterBackendTest, WritePngWritesTheCompositeAsAReadablePng) {
  fill(0, 0, 9, 9, kRed);
  raster.removeClipArea(1);
  fill(5, 5, 9, 9, kBlue);
  const std::string path = ::testing::TempDir() + "raster-backend-test.png";
  std::string error;
  ASSERT_TRUE(raster.writePng(path, &error)) << error;
  cairo_surface_t* read = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(read), 64);
  EXPECT_EQ(cairo_image_surface_get_height(read), 48);
  const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(read) +
                                                      7 * cairo_image_surface_get_stride(read));
  EXPECT_EQ(row[2], kRedPixel);
  EXPECT_EQ(row[7], kBluePixel);
  EXPECT_EQ(row[20], kWhitePixel);
  cairo_surface_destroy(read);
  std::remove(path.c_str());

  EXPECT_FALSE(raster.writePng("/nonexistent-dir/x.png", &error));
  EXPECT_EQ(error, std::strerror(ENOENT));  // why; the caller names the path
}

// The report's quick PNGs read back as the pictures cairo writes itself do, translucent pixels
// included: colour is stored straight, rounded the same way.
TEST(QuickPng, ReadsBackAsCairosOwnPngDoes) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 3);
  auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
  const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface)) / 4;
  for (uint32_t alpha = 0; alpha < 256; ++alpha) {
    const auto premultiplied = [alpha](uint32_t c) { return c * alpha / 255; };
    data[alpha] = alpha << 24 | premultiplied(0xC8) << 16 | premultiplied(0x41) << 8 |
                  premultiplied(0x07);
    data[stride + alpha] = alpha << 24 | alpha << 16 | (alpha / 2) << 8;
    data[2 * stride + alpha] = 0xFF000000u | alpha * 0x010101u;
  }
  cairo_surface_mark_dirty(surface);
  std::string cairoPng;
  ASSERT_EQ(cairo_surface_write_to_png_stream(surface, appendTo, &cairoPng), CAIRO_STATUS_SUCCESS);
  const std::vector<uint32_t> expected = pixelsOfPng(cairoPng);
  ASSERT_EQ(expected.size(), 3u * 256);
  EXPECT_EQ(pixelsOfPng(gx::quickPngBytes(surface)), expected);
  cairo_surface_destroy(surface);
}

TEST_F(RasterBackendTest, CompositePngOfAnAreaHoldsThatAreaOfEveryLayer) {
  fill(0, 0, 20, 20, kRed);
  raster.removeClipArea(1);
  fill(10, 10, 30, 30, kBlue);
  const gx::PixelBox area{8, 9, 25, 12};
  std::vector<uint32_t> composite;
  raster.copyPixels(composite, -1, area);
  EXPECT_EQ(pixelsOfPng(raster.compositePng(area)), composite);
  EXPECT_EQ(pixelsOfPng(raster.compositePng({60, 40, 90, 90})).size(), 4u * 8);  // cut to fit
  EXPECT_TRUE(raster.compositePng({64, 0, 70, 5}).empty());
}

}  // namespace
}  // namespace zelmo::test
