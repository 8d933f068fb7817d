// Picture files made in memory for the decoding tests, the fuzz seeds and the benchmarks: PNG in
// every colour type, JPEG (colour, grey, progressive, CMYK) and BMP in the forms the service
// reads. Pixels come from a function of (x, y) so a decoded image can be checked point by point.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelmo::test {

using Bytes = std::vector<uint8_t>;

// A pixel as the file holds it, not premultiplied.
struct Rgba {
  uint8_t r, g, b, a = 255;
};
using PixelFunction = std::function<Rgba(int x, int y)>;

// PNG colour types as libpng numbers them.
enum class PngKind { Grey, GreyAlpha, Palette, Rgb, Rgba };
struct PngOptions {
  PngKind kind = PngKind::Rgb;
  int bitDepth = 8;  // 16 for the 16-bit kinds
  bool interlaced = false;
};
// Palette files take their palette from the colours met in row-major order (at most 256).
Bytes makePng(int width, int height, const PixelFunction& pixel, PngOptions options = {});

enum class JpegKind { Rgb, Grey, Progressive, Cmyk };
Bytes makeJpeg(int width, int height, const PixelFunction& pixel, JpegKind kind = JpegKind::Rgb,
               int quality = 95);
// A progressive grey JPEG with `scans` scans (from 12 to 132): every AC coefficient band gets
// scans of its own.
Bytes makeJpegWithScans(int width, int height, int scans);

enum class BmpKind { Palette8, Rgb24, Rgb32, BitFields32Alpha, V5Alpha32, Rle8 };
Bytes makeBmp(int width, int height, const PixelFunction& pixel, BmpKind kind, bool topDown);

// Writes bytes to a file; false on failure.
bool writeFile(const std::string& path, const Bytes& bytes);

}  // namespace zelmo::test
