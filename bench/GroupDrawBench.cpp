// What drawing through a group costs: one group of 20 ellipses drawn by its draw(I)V, which
// makes one upcall per member, against the same 20 ellipses each drawn by its own draw(I)V call
// through the VM. Null backend; the ratio of the two times is the price of the upcalls.
#include <benchmark/benchmark.h>

#include <vector>

#include "LoadedModule.h"

namespace {

constexpr const char* kEllipse = "uxclasses/graphics/CuxEllipse";
constexpr const char* kGroup = "uxclasses/graphics/CuxComplexObj";
constexpr int kMembers = 20;

std::vector<jref> ellipses(vm::Vm& vm) {
  std::vector<jref> out;
  for (int i = 0; i < kMembers; ++i) {
    const jref e = vm.newObject(kEllipse);
    vm.setInt(e, "x1", 10 + 30 * i);
    vm.setInt(e, "y1", 10);
    vm.setInt(e, "x2", 35 + 30 * i);
    vm.setInt(e, "y2", 35);
    vm.setInt(e, "state", 0x06);  // shown
    vm.setInt(e, "fillColor", 0x2E86C1);
    vm.setInt(e, "lineColor", 0x1B2631);
    vm.setByte(e, "lineStyle", 1);
    vm.setByte(e, "lineWidth", 1);
    vm.setByte(e, "fillPattern", 1);
    out.push_back(e);
  }
  return out;
}

void GroupOf20EllipsesDraw(benchmark::State& state) {
  auto& m = bench::loaded();
  const std::vector<jref> members = ellipses(m.vm);
  const jref group = m.vm.newObject(kGroup);
  m.vm.setRef(group, "children", m.vm.newRefArray(members, "[Luxclasses/baseclasses/CuxGraphics;"));
  const vm::NativeMethod* draw = m.vm.findNative(kGroup, "draw(I)V");
  const vm::Arg layer[] = {vm::Arg::i(0)};
  for (auto _ : state) m.vm.invoke(*draw, group, layer);
}
BENCHMARK(GroupOf20EllipsesDraw);

void TwentyEllipseDraws(benchmark::State& state) {
  auto& m = bench::loaded();
  const std::vector<jref> members = ellipses(m.vm);
  const vm::NativeMethod* draw = m.vm.findNative(kEllipse, "draw(I)V");
  const vm::Arg layer[] = {vm::Arg::i(0)};
  for (auto _ : state)
    for (const jref e : members) m.vm.invoke(*draw, e, layer);
}
BENCHMARK(TwentyEllipseDraws);

}  // namespace
