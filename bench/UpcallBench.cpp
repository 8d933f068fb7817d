// An ellipse's draw(I)V reached by an upcall (slot lookup, virtual dispatch to the module's
// CuxEllipse.draw(I)V) against the same native invoked through the VM, on the null backend.
// The upcall is made from the benchmark thread, as a group native would make it.
#include <benchmark/benchmark.h>

#include "LoadedModule.h"
#include "bridge/ManagedFrame.h"
#include "bridge/Upcalls.h"

namespace {

constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";

jref plainEllipse(vm::Vm& vm) {
  const jref e = vm.newObject(kEllipse);
  vm.setInt(e, "x1", 100);
  vm.setInt(e, "y1", 80);
  vm.setInt(e, "x2", 259);
  vm.setInt(e, "y2", 239);
  vm.setInt(e, "fillColor", 0x2E86C1);
  vm.setInt(e, "lineColor", 0x1B2631);
  vm.setByte(e, "lineStyle", 1);
  vm.setByte(e, "lineWidth", 2);
  vm.setByte(e, "fillPattern", 1);
  return e;
}

void EllipseDrawThroughTheVm(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref ellipse = plainEllipse(m.vm);
  const vm::NativeMethod* draw = m.vm.findNative(kEllipse, "draw(I)V");
  const vm::Arg layer[] = {vm::Arg::i(0)};
  for (auto _ : state) m.vm.invoke(*draw, ellipse, layer);
}
BENCHMARK(EllipseDrawThroughTheVm);

void EllipseDrawByUpcall(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref ellipse = plainEllipse(m.vm);
  for (auto _ : state) zelmo::upcall::draw(zelmo::fieldsOf(ellipse), 0, 0);
}
BENCHMARK(EllipseDrawByUpcall);

}  // namespace
