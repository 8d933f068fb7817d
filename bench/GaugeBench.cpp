// Gauge natives through the VM stand-in against the drawing calls they make, made directly, on
// the null backend: a round scale of 10 divisions and 4 subdivisions (11 long and 51 short
// ticks, 62 lines), and a 20-vertex needle turned from its polar form.
#include <benchmark/benchmark.h>

#include <vector>

#include "LoadedModule.h"
#include "gx/Backend.h"
#include "gx/Recorder.h"
#include "platform/CoreServices.h"

namespace {

using bench::loaded;
constexpr const char* kCanvas = "uxclasses/graphics/CuxCanvas";

std::vector<vm::Arg> ints(std::initializer_list<int32_t> values) {
  std::vector<vm::Arg> out;
  for (const int32_t v : values) out.push_back(vm::Arg::i(v));
  return out;
}

const std::vector<vm::Arg>& scaleArgs() {
  static const auto args =
      ints({100, 50, 300, 250, 10, -45, 225, 80, 0x1B2631, 0xFFFFFF, 2, 1, 10, 4});
  return args;
}

void SubdividedScaleThroughVm(benchmark::State& state) {
  auto& m = loaded();
  const jref canvas = m.vm.newObject(kCanvas);
  const vm::NativeMethod* scale =
      m.vm.findNative(kCanvas, "drawScaleWithSubDivision(IIIIIIIIIIIIII)V");
  for (auto _ : state) m.vm.invoke(*scale, canvas, scaleArgs());
  state.counters["lines"] = 62;
}
BENCHMARK(SubdividedScaleThroughVm);

// The same 62 lines, recorded once, then drawn straight into the service.
void SubdividedScaleLinesDirect(benchmark::State& state) {
  auto& m = loaded();
  gx::Recorder recorder;
  gx::installService(&recorder);
  m.vm.invoke(*m.vm.findNative(kCanvas, "drawScaleWithSubDivision(IIIIIIIIIIIIII)V"),
              m.vm.newObject(kCanvas), scaleArgs());
  gx::installService(nullptr);
  struct Line {
    int32_t x1, y1, x2, y2;
  };
  std::vector<Line> lines;
  for (const auto& c : recorder.calls()) lines.push_back({c["x1"], c["y1"], c["x2"], c["y2"]});
  if (lines.size() != 62) state.SkipWithError("expected 62 lines");
  for (auto _ : state) {
    for (const Line& l : lines) osGXdrawLine(l.x1, l.y1, l.x2, l.y2, 2, 1, 0x1B2631, 0xFFFFFF, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(SubdividedScaleLinesDirect);

// A slim needle of 20 vertices around its pivot, prepared once.
struct Needle {
  jref xs, ys, radii, angles;
};
Needle needle(vm::Vm& vm) {
  std::vector<int32_t> x, y;
  for (int i = 0; i < 10; ++i) x.push_back(-20 + 12 * i), y.push_back(-4 + i / 3);
  for (int i = 9; i >= 0; --i) x.push_back(-20 + 12 * i), y.push_back(4 - i / 3);
  Needle n{vm.newIntArray(x), vm.newIntArray(y), vm.newIntArray(20), vm.newIntArray(20)};
  const vm::Arg args[] = {vm::Arg::i(20), vm::Arg::ref(n.xs), vm::Arg::ref(n.ys),
                          vm::Arg::ref(n.radii), vm::Arg::ref(n.angles)};
  vm.invoke(*vm.findNative(kCanvas, "preCalculatePolygonParams(I[I[I[I[I)V"), std::nullopt, args);
  return n;
}

void RotatingNeedleThroughVm(benchmark::State& state) {
  auto& m = loaded();
  const jref canvas = m.vm.newObject(kCanvas);
  const Needle n = needle(m.vm);
  const vm::NativeMethod* fill = m.vm.findNative(kCanvas, "fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V");
  const vm::Arg args[] = {vm::Arg::i(20),        vm::Arg::ref(n.xs),     vm::Arg::ref(n.ys),
                          vm::Arg::ref(n.radii), vm::Arg::ref(n.angles), vm::Arg::i(400),
                          vm::Arg::i(240),       vm::Arg::i(1234),       vm::Arg::i(0xC0392B),
                          vm::Arg::i(0x1B2631),  vm::Arg::z(true),       vm::Arg::z(false)};
  for (auto _ : state) m.vm.invoke(*fill, canvas, args);
}
BENCHMARK(RotatingNeedleThroughVm);

void RotatingNeedleDirect(benchmark::State& state) {
  std::vector<APOINT> points;
  for (int i = 0; i < 20; ++i) points.push_back(APOINT{400 + i, 240 - i});
  for (auto _ : state) {
    osGXfillPolygon(20, points.data(), 0xC0392B, 0, 1, true);
    osGXdrawPolygon(20, points.data(), 1, 0xC0392B, 0, 1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RotatingNeedleDirect);

// What the natives add per tick or vertex beyond the drawing call: one table cosine and one
// table sine of the core service.
void TableCosineAndSine(benchmark::State& state) {
  const auto pairs = state.range(0);
  for (auto _ : state) {
    double sum = 0;
    for (int16_t a = 0; a < pairs; ++a)
      sum += osUTfastcos(static_cast<int16_t>(a * 45)) + osUTfastsin(static_cast<int16_t>(a * 45));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(TableCosineAndSine)->Arg(20)->Arg(62);

}  // namespace
