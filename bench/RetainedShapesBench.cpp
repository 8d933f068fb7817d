// One retained ellipse drawn as a fill-level gauge, draw(I)V through the VM stand-in on the null
// backend. The drawing calls one draw makes are counted once, outside the timed loop.
#include <benchmark/benchmark.h>

#include "LoadedModule.h"
#include "gx/Recorder.h"

namespace {

constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";

// A round tank, 60 % full from the bottom, with a hatched empty look.
jref tankGauge(vm::Vm& vm) {
  const jref e = vm.newObject(kEllipse);
  vm.setInt(e, "x1", 100);
  vm.setInt(e, "y1", 80);
  vm.setInt(e, "x2", 259);
  vm.setInt(e, "y2", 239);
  vm.setInt(e, "fillColor", 0x2E86C1);
  vm.setInt(e, "backColor", 0xFFFFFF);
  vm.setInt(e, "lineColor", 0x1B2631);
  vm.setByte(e, "lineStyle", 1);
  vm.setByte(e, "lineWidth", 2);
  vm.setByte(e, "fillPattern", 1);
  vm.setInt(e, "levelBackColor", 0xD6EAF8);
  vm.setByte(e, "levelBackPattern", 2);
  vm.setByte(e, "levelDirectionV", 4);
  vm.setInt(e, "levelPercentV", 60);
  return e;
}

void EllipseFillLevelDraw(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref ellipse = tankGauge(m.vm);
  const vm::NativeMethod* draw = m.vm.findNative(kEllipse, "draw(I)V");
  const vm::Arg layer[] = {vm::Arg::i(0)};

  gx::Recorder recorder;
  gx::installService(&recorder);
  m.vm.invoke(*draw, ellipse, layer);
  gx::installService(nullptr);
  state.counters["drawingCalls"] = static_cast<double>(recorder.calls().size());

  for (auto _ : state) m.vm.invoke(*draw, ellipse, layer);
}
BENCHMARK(EllipseFillLevelDraw);

}  // namespace
