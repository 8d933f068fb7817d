// What a report (and so every render of the live preview) adds per screen call: a look for
// changed pixels over the whole picture, and a PNG of the changed patch; and once per page, the
// whole picture as a PNG.
#include <benchmark/benchmark.h>

#include "gx/PixelChanges.h"
#include "gx/RasterBackend.h"

namespace {

// An 800 x 480 panel picture with some drawing on it.
gx::RasterBackend& panelPicture() {
  static gx::RasterBackend raster(800, 480, 1, 0xD5DBE1);
  static const bool drawn = [] {
    for (int i = 0; i < 40; ++i)
      raster.fillRectangle(i * 19, i * 11, i * 19 + 60, i * 11 + 40, 1, 0x1F3A5F + i * 0x030201, 1,
                           0, 1, 6, 6);
    return true;
  }();
  (void)drawn;
  return raster;
}

void ReportLookWithNothingChanged(benchmark::State& state) {
  gx::PixelChanges changes(panelPicture());
  for (auto _ : state) benchmark::DoNotOptimize(changes.sinceLastLook());
}
BENCHMARK(ReportLookWithNothingChanged)->Unit(benchmark::kMicrosecond);

void ReportLookWithOneBoxChanged(benchmark::State& state) {
  gx::RasterBackend& raster = panelPicture();
  gx::PixelChanges changes(raster);
  int colour = 0;
  for (auto _ : state) {
    raster.fillRectangle(300, 200, 399, 259, 1, colour++ & 0xFFFFFF, 1, 0, 0, 0, 0);
    benchmark::DoNotOptimize(changes.sinceLastLook());
  }
}
BENCHMARK(ReportLookWithOneBoxChanged)->Unit(benchmark::kMicrosecond);

void ReportPatchPng(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(panelPicture().compositePng({300, 200, 399, 259}));
}
BENCHMARK(ReportPatchPng)->Unit(benchmark::kMicrosecond);

void ReportWholePicturePng(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(panelPicture().compositePng({0, 0, 799, 479}));
}
BENCHMARK(ReportWholePicturePng)->Unit(benchmark::kMicrosecond);

}  // namespace
