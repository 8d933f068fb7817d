// A 256 x 256 PNG with alpha read from its file, decoded and drawn once: through the raster
// service (loadImage, image, unloadImage) against Cairo's own PNG reader drawing the same file
// onto a surface of the same size. The ratio of the two is the cost of our own decoder.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/Utf.h"
#include "gx/RasterBackend.h"

namespace {

constexpr int kSide = 256;

// A photo-like picture: a soft gradient, a disc, grain everywhere and a fading alpha border.
const std::string& pngPath() {
  static const std::string path = [] {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSide, kSide);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    uint32_t seed = 12345;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        seed = seed * 1664525u + 1013904223u;
        const int grain = static_cast<int>(seed >> 28) - 8;
        const double d = std::hypot(x - 128.0, y - 110.0);
        const int edge = std::min(std::min(x, y), std::min(kSide - 1 - x, kSide - 1 - y));
        const uint32_t a = static_cast<uint32_t>(std::min(255, 40 + edge * 8));
        const auto c = [&](double v) {
          const int level = std::clamp(static_cast<int>(v) + grain, 0, 255);
          return static_cast<uint32_t>(level) * a / 255;
        };
        const bool disc = d < 70;
        const uint32_t r = c(disc ? 220 - d : 40 + y / 3.0), g = c(disc ? 120 : 90 + x / 4.0),
                       b = c(disc ? 40 : 160 + y / 5.0);
        auto* p = reinterpret_cast<uint32_t*>(data + y * stride) + x;
        *p = a << 24 | r << 16 | g << 8 | b;
      }
    }
    cairo_surface_mark_dirty(s);
    const std::string file = "/tmp/zelmo-image-bench.png";
    cairo_surface_write_to_png(s, file.c_str());
    cairo_surface_destroy(s);
    return file;
  }();
  return path;
}

void PngDecodeAndDraw_RasterService(benchmark::State& state) {
  gx::RasterBackend raster(kSide, kSide, 1, 0xFFFFFF);
  const std::u16string path = core::utf16FromUtf8(pngPath());
  for (auto _ : state) {
    int32_t status = -1;
    const stImageHandle image = raster.loadImage(path.c_str(), &status);
    raster.image(0, APOINT{0, 0}, kSide, kSide, image, 0, 0);
    raster.unloadImage(image);
    if (status != 0) state.SkipWithError("the PNG did not load");
  }
}
BENCHMARK(PngDecodeAndDraw_RasterService);

void PngDecodeAndDraw_CairoReader(benchmark::State& state) {
  cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSide, kSide);
  const std::string& path = pngPath();
  for (auto _ : state) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    cairo_t* cr = cairo_create(target);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) state.SkipWithError("no PNG");
    cairo_surface_destroy(image);
  }
  cairo_surface_destroy(target);
}
BENCHMARK(PngDecodeAndDraw_CairoReader);

}  // namespace
