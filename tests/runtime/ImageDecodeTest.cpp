// decodeImage over files the tests make: every PNG colour type, JPEG and BMP in the forms the
// service reads, and damaged, cut, oversized and unknown files with their exact status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gx/ImageDecode.h"
#include "support/ImageFiles.h"

namespace zelmo::test {
namespace {

using gx::decodeImage;

// A pattern whose every pixel differs, with colours that survive an 8-bit round trip exactly.
Rgba pattern(int x, int y) {
  return {static_cast<uint8_t>(40 * x + 10), static_cast<uint8_t>(60 * y + 5),
          static_cast<uint8_t>(200 - 30 * x), 255};
}
Rgba grey(int x, int y) {
  const auto v = static_cast<uint8_t>(30 * x + 70 * y + 20);
  return {v, v, v, 255};
}
// Alpha falls from opaque to clear along x.
Rgba translucent(int x, int y) {
  return {200, static_cast<uint8_t>(50 * y), 100, static_cast<uint8_t>(255 - 85 * x)};
}

uint32_t opaque(const Rgba& c) { return 0xFF000000u | c.r << 16 | c.g << 8 | c.b; }

// Checks every pixel of a decoded 4 x 3 image; alpha is undone for the comparison, within the
// rounding that premultiplication costs.
void expectPixels(const gx::DecodedImage& image, Rgba (*expected)(int, int),
                  const std::string& what) {
  ASSERT_EQ(image.status, gx::kImageDone) << what;
  ASSERT_EQ(image.width, 4) << what;
  ASSERT_EQ(image.height, 3) << what;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Rgba want = expected(x, y);
      const uint32_t got = image.pixels[static_cast<size_t>(y * 4 + x)];
      const uint32_t a = got >> 24;
      EXPECT_EQ(a, want.a) << what << " at " << x << "," << y;
      if (want.a == 255) {
        EXPECT_EQ(got, opaque(want)) << what << " at " << x << "," << y;
        continue;
      }
      const auto channel = [&](int shift, uint8_t value) {
        EXPECT_NEAR(double((got >> shift) & 0xFF), value * a / 255.0, 1.0)
            << what << " at " << x << "," << y;
      };
      channel(16, want.r), channel(8, want.g), channel(0, want.b);
    }
  }
}

TEST(ImageDecodeTest, PngOfEveryColourTypeDecodesExactly) {
  struct Case {
    const char* name;
    PngOptions options;
    Rgba (*pixels)(int, int);
  };
  const Case cases[] = {
      {"rgb", {PngKind::Rgb, 8, false}, pattern},
      {"palette", {PngKind::Palette, 8, false}, pattern},
      {"palette with alpha", {PngKind::Palette, 8, false}, translucent},
      {"grey", {PngKind::Grey, 8, false}, grey},
      {"grey 16-bit", {PngKind::Grey, 16, false}, grey},
      {"grey alpha", {PngKind::GreyAlpha, 8, false}, translucent},
      // 16-bit samples are sRGB like 8-bit ones: taken as linear they would come out brighter.
      {"rgb 16-bit", {PngKind::Rgb, 16, false}, pattern},
      {"rgba", {PngKind::Rgba, 8, false}, translucent},
      {"rgba 16-bit", {PngKind::Rgba, 16, false}, translucent},
      {"interlaced", {PngKind::Rgb, 8, true}, pattern},
  };
  for (const Case& c : cases) {
    Rgba (*expected)(int, int) = c.pixels;
    if (c.options.kind == PngKind::GreyAlpha)
      expected = [](int x, int y) {
        const Rgba t = translucent(x, y);
        return Rgba{t.r, t.r, t.r, t.a};
      };
    expectPixels(decodeImage(makePng(4, 3, c.pixels, c.options)), expected, c.name);
  }
}

TEST(ImageDecodeTest, BmpInEveryReadFormAndRowOrder) {
  struct Case {
    const char* name;
    BmpKind kind;
    Rgba (*pixels)(int, int);
  };
  const Case cases[] = {
      {"8-bit palette", BmpKind::Palette8, pattern},
      {"24-bit", BmpKind::Rgb24, pattern},
      {"32-bit without alpha", BmpKind::Rgb32, pattern},  // the padding byte is not alpha
      {"32-bit bit fields with alpha", BmpKind::BitFields32Alpha, translucent},
      {"32-bit V5 header with alpha", BmpKind::V5Alpha32, translucent},
  };
  for (const Case& c : cases)
    for (const bool topDown : {false, true})
      expectPixels(decodeImage(makeBmp(4, 3, c.pixels, c.kind, topDown)), c.pixels,
                   std::string(c.name) + (topDown ? " top-down" : " bottom-up"));
}

// JPEG is lossy: flat 8 x 8 blocks come back within a few levels.
TEST(ImageDecodeTest, JpegColourGreyAndProgressiveDecode) {
  const auto blocks = [](int x, int y) {
    return (x / 8 + y / 8) % 2 ? Rgba{220, 40, 30} : Rgba{20, 60, 200};
  };
  for (const JpegKind kind : {JpegKind::Rgb, JpegKind::Grey, JpegKind::Progressive}) {
    const gx::DecodedImage image = decodeImage(makeJpeg(32, 16, blocks, kind));
    ASSERT_EQ(image.status, gx::kImageDone);
    ASSERT_EQ(image.width, 32);
    ASSERT_EQ(image.height, 16);
    const uint32_t p = image.pixels[4 * 32 + 12];  // inside the block at (8, 0)
    EXPECT_EQ(p >> 24, 0xFFu);
    const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
    EXPECT_NEAR(red, 220, 6);
    EXPECT_NEAR(green, kind == JpegKind::Grey ? 220 : 40, 6);
    EXPECT_NEAR(blue, kind == JpegKind::Grey ? 220 : 30, 6);
  }
}

TEST(ImageDecodeTest, JpegWithMoreThanAHundredScansIsRefused) {
  EXPECT_EQ(decodeImage(makeJpegWithScans(16, 16, 100)).status, gx::kImageDone);
  EXPECT_EQ(decodeImage(makeJpegWithScans(16, 16, 101)).status, gx::kImageCorrupt);
}

Bytes cut(Bytes b, size_t keep) {
  b.resize(keep);
  return b;
}

// A byte of the image data changed: the PNG's checksum no longer matches; in the JPEG a marker
// appears in the middle of the entropy-coded data.
Bytes damaged(Bytes b, size_t at, std::initializer_list<uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
  return b;
}

TEST(ImageDecodeTest, DamagedCutOversizedAndUnknownFilesGiveTheirStatus) {
  const Bytes png = makePng(16, 16, pattern);
  const Bytes jpeg = makeJpeg(64, 64, pattern);
  const Bytes bmp = makeBmp(16, 16, pattern, BmpKind::Rgb24, false);
  struct Case {
    const char* name;
    Bytes file;
    int32_t status;
  };
  const Case cases[] = {
      {"empty", {}, gx::kImageUnknownFormat},
      {"text", {'h', 'e', 'l', 'l', 'o'}, gx::kImageUnknownFormat},
      {"png signature only", cut(png, 8), gx::kImageCorrupt},
      {"png cut", cut(png, png.size() / 2), gx::kImageCorrupt},
      {"png checksum", damaged(png, png.size() - 20, {0x55}), gx::kImageCorrupt},
      {"png wider than 8192", makePng(8193, 1, pattern), gx::kImageTooLarge},
      {"jpeg cut", cut(jpeg, jpeg.size() * 2 / 3), gx::kImageCorrupt},
      {"jpeg marker in the data", damaged(jpeg, jpeg.size() / 2, {0xFF, 0xD0, 0xFF, 0xD5}),
       gx::kImageCorrupt},
      {"jpeg header only", cut(jpeg, 200), gx::kImageCorrupt},
      {"jpeg taller than 8192", makeJpeg(1, 8193, pattern, JpegKind::Grey, 10), gx::kImageTooLarge},
      {"jpeg cmyk", makeJpeg(8, 8, pattern, JpegKind::Cmyk), gx::kImageUnknownFormat},
      {"bmp cut", cut(bmp, bmp.size() - 1), gx::kImageCorrupt},
      {"bmp header cut", cut(bmp, 30), gx::kImageCorrupt},
      {"bmp run-length", makeBmp(4, 4, pattern, BmpKind::Rle8, false), gx::kImageUnknownFormat},
      {"bmp 4-bit", damaged(bmp, 28, {4, 0}), gx::kImageUnknownFormat},
      {"bmp no width", damaged(bmp, 18, {0, 0, 0, 0}), gx::kImageCorrupt},
      {"bmp huge height", damaged(bmp, 22, {0x00, 0x00, 0x00, 0x80}), gx::kImageTooLarge},
      {"bmp data past the end", damaged(bmp, 10, {0xF0, 0xFF, 0, 0}), gx::kImageCorrupt},
      {"bmp colour off the palette",
       damaged(makeBmp(4, 3, pattern, BmpKind::Palette8, false), 14 + 40 + 12 * 4, {200}),
       gx::kImageCorrupt},
  };
  for (const Case& c : cases) {
    const gx::DecodedImage image = decodeImage(c.file);
    EXPECT_EQ(image.status, c.status) << c.name;
    if (image.status != gx::kImageDone) {
      EXPECT_FALSE(image.pixels) << c.name;
    }
  }
}

TEST(ImageDecodeTest, NoRoomUnderTheCapsIsTooLarge) {
  const Bytes png = makePng(10, 10, pattern);
  EXPECT_EQ(decodeImage(png, 400).status, gx::kImageDone);
  EXPECT_EQ(decodeImage(png, 399).status, gx::kImageTooLarge);
  EXPECT_EQ(decodeImage(makeJpeg(10, 10, pattern), 399).status, gx::kImageTooLarge);
  EXPECT_EQ(decodeImage(makeBmp(10, 10, pattern, BmpKind::Rgb24, true), 399).status,
            gx::kImageTooLarge);
}

}  // namespace
}  // namespace zelmo::test
