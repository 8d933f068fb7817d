// Images of the raster drawing service: captured layer areas and PNG files.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/Utf.h"
#include "gx/RasterBackend.h"

namespace {

constexpr int32_t kRed = 0xFF0000;
constexpr uint32_t kRedPixel = 0xFFFF0000u;
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;

TEST(RasterImageTest, CapturedAreaIsDrawnAtItsNewPlace) {
  gx::RasterBackend raster(64, 48, 1, 0xFFFFFF);
  raster.fillRectangle(2, 2, 5, 3, 0, kRed, 1, 0, 0, 0, 0);
  int32_t status = -1;
  const POINTRECT area{0, 0, 9, 9};
  const stImageHandle image = raster.createImage(0, &area, &status);
  EXPECT_EQ(status, 0);
  ASSERT_NE(image, 0u);
  raster.image(0, APOINT{30, 20}, 10, 10, image, 0, 0);
  EXPECT_EQ(raster.pixel(32, 22), kRedPixel);
  EXPECT_EQ(raster.pixel(35, 23), kRedPixel);
  EXPECT_EQ(raster.pixel(36, 23), kWhitePixel);
  EXPECT_EQ(raster.pixel(32, 24), kWhitePixel);

  // Stretched twice as wide and high.
  raster.image(0, APOINT{40, 0}, 20, 20, image, 1, 0);
  EXPECT_EQ(raster.pixel(44, 4), kRedPixel);
  EXPECT_EQ(raster.pixel(51, 7), kRedPixel);
  EXPECT_EQ(raster.pixel(52, 8), kWhitePixel);

  // Unloaded and unknown handles draw nothing.
  raster.unloadImage(image);
  raster.unloadImage(image);
  raster.image(0, APOINT{2, 30}, 10, 10, image, 0, 0);
  raster.image(0, APOINT{2, 30}, 10, 10, 4711, 0, 0);
  EXPECT_EQ(raster.pixel(4, 32), kWhitePixel);
}

TEST(RasterImageTest, AreasOffTheLayerAndMissingFilesAreRefused) {
  gx::RasterBackend raster(64, 48, 1, 0xFFFFFF);
  int32_t status = -1;
  const POINTRECT outside{100, 100, 120, 120};
  EXPECT_EQ(raster.createImage(0, &outside, &status), 0u);
  EXPECT_NE(status, 0);
  EXPECT_EQ(raster.createImage(3, nullptr, &status), 0u);
  EXPECT_NE(status, 0);
  EXPECT_NE(raster.createImage(0, nullptr, nullptr), 0u);  // the whole layer
  EXPECT_EQ(raster.loadImage(u"/nonexistent/picture.png", &status), 0u);
  EXPECT_NE(status, 0);
  EXPECT_EQ(raster.loadImage(nullptr, &status), 0u);
}

TEST(RasterImageTest, PngFileLoadsAndDraws) {
  gx::RasterBackend source(8, 8, 1, 0xFF0000);
  const std::string path = ::testing::TempDir() + "raster-image-test.png";
  ASSERT_TRUE(source.writePng(path));
  gx::RasterBackend raster(64, 48, 1, 0xFFFFFF);
  int32_t status = -1;
  const std::u16string wide = core::utf16FromUtf8(path);
  const stImageHandle image = raster.loadImage(wide.c_str(), &status);
  std::remove(path.c_str());
  ASSERT_NE(image, 0u);
  EXPECT_EQ(status, 0);
  raster.setClipArea(0, 0, 12, 47, 0);  // images honour the clip area too
  raster.image(0, APOINT{10, 10}, 7, 7, image, 0, 0);
  EXPECT_EQ(raster.pixel(10, 10), kRedPixel);
  EXPECT_EQ(raster.pixel(12, 17), kRedPixel);
  EXPECT_EQ(raster.pixel(13, 10), kWhitePixel);
  EXPECT_EQ(raster.pixel(10, 18), kWhitePixel);
}

}  // namespace
