// Images of the raster drawing service: captured layer areas, picture files and what is not one,
// the handle rules, the caps and the image options.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Utf.h"
#include "gx/ImageTable.h"
#include "runtime/RasterTestSupport.h"
#include "support/ConfigFiles.h"
#include "support/ImageFiles.h"

namespace zelmo::test {
namespace {

class RasterImageTest : public ::testing::Test {
 protected:
  std::string file(const char* name, const Bytes& bytes) {
    const std::string path = (dir / name).string();
    EXPECT_TRUE(writeFile(path, bytes));
    return path;
  }
  stImageHandle load(const std::string& path, int32_t* status) {
    return raster.loadImage(core::utf16FromUtf8(path).c_str(), status);
  }
  void fill(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
    raster.fillRectangle(x1, y1, x2, y2, 0, colour, 1, 0, 0, 0, 0);
  }

  const fs::path dir = configTestDir();  // a folder of its own, emptied for each test case
  gx::RasterBackend raster{64, 48, 2, 0xFFFFFF};
};

TEST_F(RasterImageTest, CaptureIsACopyOfThePixelsAtTheCall) {
  fill(2, 2, 5, 3, kRed);
  int32_t status = -1;
  const POINTRECT area{9, 9, 0, 0};  // corners in either order
  const stImageHandle image = raster.createImage(0, &area, &status);
  EXPECT_EQ(status, gx::kImageDone);
  ASSERT_NE(image, 0u);
  fill(0, 0, 9, 9, kBlue);  // repainting the source leaves the copy as it was
  raster.image(0, APOINT{30, 20}, 10, 10, image, 0, 0);
  EXPECT_EQ(inkOf(raster, 20, 10, 63, 47, kRedPixel), (Ink{32, 22, 35, 23, 8}));
  EXPECT_EQ(raster.pixel(2, 2), kBluePixel);
}

TEST_F(RasterImageTest, CaptureIsCutToTheLayerAndRefusedOffIt) {
  int32_t status = -1;
  const POINTRECT overhanging{60, 40, 100, 100};
  const stImageHandle corner = raster.createImage(0, &overhanging, &status);
  EXPECT_EQ(status, gx::kImageDone);
  fill(0, 0, 63, 47, kBlue);
  raster.image(0, APOINT{0, 0}, 0, 0, corner, 0, 0);  // 4 x 8 white pixels
  EXPECT_EQ(inkOf(raster, 0, 0, 63, 47, kWhitePixel), (Ink{0, 0, 3, 7, 32}));

  const POINTRECT outside{100, 100, 120, 120};
  EXPECT_EQ(raster.createImage(0, &outside, &status), 0u);
  EXPECT_EQ(status, gx::kImageNoArea);
  EXPECT_EQ(raster.createImage(2, nullptr, &status), 0u);
  EXPECT_EQ(status, gx::kImageNoArea);
  EXPECT_NE(raster.createImage(1, nullptr, nullptr), 0u);  // the whole layer, no status wanted
}

TEST_F(RasterImageTest, HandlesAreGenerationTimesSlotAndNeverStale) {
  int32_t status = -1;
  const stImageHandle first = raster.createImage(0, nullptr, &status);
  const stImageHandle second = raster.createImage(0, nullptr, &status);
  EXPECT_EQ(first, 65537u);
  EXPECT_EQ(second, 65538u);
  raster.unloadImage(first);
  raster.unloadImage(first);  // unloaded twice: refused, frees nothing else
  const stImageHandle reused = raster.createImage(0, nullptr, &status);
  EXPECT_EQ(reused, 131073u);  // the lowest free slot, in its second generation
  fill(0, 0, 63, 47, kRed);
  // The stale, free, forged and out-of-range handles draw nothing and free nothing.
  for (const stImageHandle bad :
       {first, 0u, 0xFFFFFFFFu, 65536u, 65536u + 1025u, 3u * 65536 + 2, 65539u}) {
    raster.image(0, APOINT{0, 0}, 0, 0, bad, 0, 0);
    raster.unloadImage(bad);
  }
  EXPECT_EQ(raster.pixel(10, 10), kRedPixel);
  raster.image(0, APOINT{0, 0}, 0, 0, second, 0, 0);  // still live: white
  EXPECT_EQ(raster.pixel(10, 10), kWhitePixel);
}

TEST(ImageTableTest, GenerationsWrapFrom65535ToOneAndTheCapsHold) {
  struct Nothing {};
  auto table = std::make_unique<gx::ImageTable<Nothing>>();
  stImageHandle h = 0;
  for (int n = 0; n < 65535; ++h, ++n) {
    h = table->add(Nothing{}, 0);
    ASSERT_TRUE(table->remove(h));
  }
  EXPECT_EQ(h - 1, 65535u * 65536 + 1);         // the slot's 65535th image
  EXPECT_EQ(table->add(Nothing{}, 0), 65537u);  // ... and then its generation starts again

  EXPECT_NE(table->add(Nothing{}, gx::kMaxLiveImageBytes - 10), 0u);
  EXPECT_EQ(table->add(Nothing{}, 11), 0u);  // no room under the size cap
  EXPECT_NE(table->add(Nothing{}, 10), 0u);
  while (table->live() < gx::kMaxLiveImages) ASSERT_NE(table->add(Nothing{}, 0), 0u);
  EXPECT_EQ(table->add(Nothing{}, 0), 0u);  // no room under the count cap
}

TEST_F(RasterImageTest, TheThousandAndTwentyFifthImageIsTooLarge) {
  int32_t status = -1;
  const POINTRECT pixel{0, 0, 0, 0};
  for (uint32_t i = 0; i < gx::kMaxLiveImages; ++i)
    ASSERT_NE(raster.createImage(0, &pixel, &status), 0u);
  EXPECT_EQ(raster.createImage(0, &pixel, &status), 0u);
  EXPECT_EQ(status, gx::kImageTooLarge);
  const auto dark = [](int, int) { return Rgba{1, 2, 3}; };
  EXPECT_EQ(load(file("a.png", makePng(2, 2, dark)), &status), 0u);
  EXPECT_EQ(status, gx::kImageTooLarge);
}

TEST_F(RasterImageTest, PictureFilesLoadAndDrawWhateverTheirName) {
  const auto red = [](int, int) { return Rgba{255, 0, 0}; };
  int32_t status = -1;
  // The format is judged by the signature: a JPEG named .png still loads.
  for (const auto& [name, bytes] : {std::pair{"red.png", makePng(8, 8, red)},
                                    std::pair{"red.bmp", makeBmp(8, 8, red, BmpKind::Rgb24, 0)},
                                    std::pair{"photo.png", makeJpeg(8, 8, red)}}) {
    const stImageHandle image = load(file(name, bytes), &status);
    EXPECT_EQ(status, gx::kImageDone) << name;
    ASSERT_NE(image, 0u) << name;
    fill(0, 0, 63, 47, 0xFFFFFF);
    raster.setClipArea(0, 0, 12, 47, 0);  // images honour the clip area too
    raster.image(0, APOINT{10, 10}, 7, 7, image, 0, 0);
    raster.removeClipArea(0);
    EXPECT_GT((raster.pixel(10, 10) >> 16) & 0xFF, 0xF0u) << name;
    EXPECT_LT(raster.pixel(12, 17) & 0xFF, 0x10u) << name;
    EXPECT_EQ(raster.pixel(13, 10), kWhitePixel) << name;
    EXPECT_EQ(raster.pixel(10, 18), kWhitePixel) << name;
  }
}

TEST_F(RasterImageTest, OnlyRegularFilesAreRead) {
  int32_t status = -1;
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string big = (dir / "big.png").string();
  {
    const int fd = ::open(big.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, (off_t{64} << 20) + 1), 0);  // sparse: no disk used
    ::close(fd);
  }
  struct Case {
    std::string path;
    int32_t status;
  };
  const Case cases[] = {
      {"", gx::kImageNoFile},
      {(dir / "missing.png").string(), gx::kImageNoFile},
      {(dir / "missing/inside.png").string(), gx::kImageNoFile},
      {dir.string(), gx::kImageNotReadable},
      {fifo, gx::kImageNotReadable},         // must not wait for a writer
      {"/dev/zero", gx::kImageNotReadable},  // must not be read to its end
      {big, gx::kImageTooLarge},
      {file("notes.png", {'n', 'o', 't', 'e', 's'}), gx::kImageUnknownFormat},
  };
  for (const Case& c : cases) {
    status = -1;
    EXPECT_EQ(load(c.path, &status), 0u) << c.path;
    EXPECT_EQ(status, c.status) << c.path;
  }
  EXPECT_EQ(raster.loadImage(nullptr, &status), 0u);
  EXPECT_EQ(status, gx::kImageNoFile);
}

TEST_F(RasterImageTest, UnreadableFileIsStatusThree) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = file("locked.png", makePng(2, 2, [](int, int) { return Rgba{}; }));
  fs::permissions(path, fs::perms::none);
  int32_t status = -1;
  EXPECT_EQ(load(path, &status), 0u);
  EXPECT_EQ(status, gx::kImageNotReadable);
}

TEST_F(RasterImageTest, RelativePathsFollowTheImageFolder) {
  const auto blue = [](int, int) { return Rgba{0, 0, 255}; };
  file("logo.bmp", makeBmp(2, 2, blue, BmpKind::Rgb24, 0));
  int32_t status = -1;
  EXPECT_EQ(raster.loadImage(u"logo.bmp", &status), 0u);  // not in the working directory
  raster.setImageFolder(dir.string());
  EXPECT_NE(raster.loadImage(u"logo.bmp", &status), 0u);
  EXPECT_EQ(status, gx::kImageDone);
}

TEST_F(RasterImageTest, OptionsDrawOwnSizeStretchedOrFitted) {
  fill(0, 0, 3, 1, kRed);  // a 4 x 2 red image
  int32_t status = -1;
  const POINTRECT area{0, 0, 3, 1};
  const stImageHandle image = raster.createImage(0, &area, &status);
  fill(0, 0, 3, 1, 0xFFFFFF);
  struct Case {
    int32_t option;
    uint16_t width, height;
    int right, bottom;  // the last red pixel drawn at (20, 20)
  };
  const Case cases[] = {
      {0, 30, 30, 23, 21},  // own size, whatever the box
      {1, 12, 6, 31, 25},   // stretched to the box
      {1, 0, 6, 23, 25},    // a size of 0 keeps the image's own in that direction
      {2, 12, 12, 31, 25},  // fitted, proportions kept, at the top left
      {2, 0, 12, 23, 21},   // no box to fit: own size
      {7, 12, 6, 23, 21},   // any other option: own size
  };
  for (const Case& c : cases) {
    fill(0, 0, 63, 47, 0xFFFFFF);
    raster.image(0, APOINT{20, 20}, c.width, c.height, image, c.option, 0);
    const Ink red = inkOf(raster, 0, 0, 63, 47, kRedPixel);
    EXPECT_EQ(red, (Ink{20, 20, c.right, c.bottom, red.count}))
        << "option " << c.option << " " << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace zelmo::test
