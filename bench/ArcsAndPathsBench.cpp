// Two pairs, to be read as ratios from one run:
// - drawThickArc of a 270 degree gauge band through the VM stand-in on the null backend, against
//   osGXfillPolygon of the very points it hands over, called directly;
// - the raster service filling the pump symbol's path text, against it filling a polygon of the
//   same size (the symbol's circle as 64 points).
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "LoadedModule.h"
#include "gx/RasterBackend.h"
#include "gx/Recorder.h"

namespace {

constexpr const char* kCanvas = "uxclasses/graphics/CuxCanvas";
const vm::Arg kBand[] = {vm::Arg::i(200),  vm::Arg::i(200),  vm::Arg::i(60),      vm::Arg::i(76),
                         vm::Arg::i(-450), vm::Arg::i(2700), vm::Arg::i(0x27AE60)};

void ThickArcThroughVm(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref canvas = m.vm.newObject(kCanvas);
  const vm::NativeMethod* native = m.vm.findNative(kCanvas, "drawThickArc(IIIIIII)V");
  for (auto _ : state) m.vm.invoke(*native, canvas, kBand);
}
BENCHMARK(ThickArcThroughVm);

void ThickArcPointsFilledDirectly(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref canvas = m.vm.newObject(kCanvas);
  gx::Recorder recorder;
  gx::installService(&recorder);
  m.vm.invoke(*m.vm.findNative(kCanvas, "drawThickArc(IIIIIII)V"), canvas, kBand);
  gx::installService(nullptr);
  std::vector<APOINT> points;
  for (const auto& p : recorder.calls().at(0)["points"]) points.push_back({p[0], p[1]});
  state.counters["points"] = static_cast<double>(points.size());
  for (auto _ : state) {
    osGXfillPolygon(static_cast<int32_t>(points.size()), points.data(), 0x27AE60, 0, 1, true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(ThickArcPointsFilledDirectly);

const std::u16string kPump = u"M-24 0A24 24 0 1 1 24 0A24 24 0 1 1-24 0Z";

void RasterFillPathPump(benchmark::State& state) {
  gx::RasterBackend raster(800, 480, 1, 0xFFFFFF);
  for (auto _ : state) {
    raster.fillPath(310, 400, 256, 256, kPump.data(), static_cast<int32_t>(kPump.size()), 0x27AE60);
  }
}
BENCHMARK(RasterFillPathPump);

void RasterFillPolygonSameSize(benchmark::State& state) {
  gx::RasterBackend raster(800, 480, 1, 0xFFFFFF);
  std::vector<APOINT> circle;
  for (int k = 0; k < 64; ++k) {
    const double a = k * 2 * M_PI / 64;
    circle.push_back({310 + static_cast<int32_t>(std::lround(24 * std::cos(a))),
                      400 + static_cast<int32_t>(std::lround(24 * std::sin(a)))});
  }
  for (auto _ : state)
    raster.fillPolygon(static_cast<int32_t>(circle.size()), circle.data(), 0x27AE60, 0, 1, true);
}
BENCHMARK(RasterFillPolygonSameSize);

}  // namespace
