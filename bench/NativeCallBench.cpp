// The cost of one native call through the VM stand-in against calling the drawing service
// directly: setClip(IIII)V on the null backend, and osGXsetClipArea with the same corners.
#include <benchmark/benchmark.h>

#include "LoadedModule.h"
#include "gx/Backend.h"

namespace {

using bench::loaded;

void NativeSetClipThroughVm(benchmark::State& state) {
  auto& m = loaded();
  const jref canvas = m.vm.newObject("uxclasses/graphics/CuxCanvas");
  const vm::NativeMethod* setClip =
      m.vm.findNative("uxclasses/graphics/CuxCanvas", "setClip(IIII)V");
  const vm::Arg args[] = {vm::Arg::i(10), vm::Arg::i(20), vm::Arg::i(30), vm::Arg::i(40)};
  for (auto _ : state) m.vm.invoke(*setClip, canvas, args);
}
BENCHMARK(NativeSetClipThroughVm);

// The same call with its argument kinds checked once beforehand, as a VM checks a call site
// when it loads the code: what remains is the stand-in's frame set-up and the module's own cost.
void NativeSetClipPrepared(benchmark::State& state) {
  auto& m = loaded();
  const jref canvas = m.vm.newObject("uxclasses/graphics/CuxCanvas");
  const vm::NativeMethod* setClip =
      m.vm.findNative("uxclasses/graphics/CuxCanvas", "setClip(IIII)V");
  const vm::Arg args[] = {vm::Arg::i(10), vm::Arg::i(20), vm::Arg::i(30), vm::Arg::i(40)};
  const vm::PreparedCall call = m.vm.prepare(*setClip, canvas, args);
  for (auto _ : state) m.vm.invoke(call, canvas, args);
}
BENCHMARK(NativeSetClipPrepared);

// The module's own cost: the native's function run again and again on a frame the VM built once.
// A native pops nothing and writes no result here, so the frame stays as it was.
void NativeSetClipOwnCost(benchmark::State& state) {
  auto& m = loaded();
  const jref canvas = m.vm.newObject("uxclasses/graphics/CuxCanvas");
  const vm::NativeMethod* setClip =
      m.vm.findNative("uxclasses/graphics/CuxCanvas", "setClip(IIII)V");
  vm::Vm& v = m.vm;
  jslot* const savedPfp = v.pfp;
  jslot* const savedNpfp = v.npfp;
  v.pfp = v.psp;
  v.npfp = v.npsp;
  *--v.psp = canvas;
  for (const int32_t arg : {10, 20, 30, 40}) *--v.npsp = static_cast<jslot>(arg);
  for (auto _ : state) setClip->function();
  v.psp = v.pfp;
  v.npsp = v.npfp;
  v.pfp = savedPfp;
  v.npfp = savedNpfp;
}
BENCHMARK(NativeSetClipOwnCost);

void DirectOsGXsetClipArea(benchmark::State& state) {
  int32_t x = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    osGXsetClipArea(x, 20, 39, 59, 0);
  }
}
BENCHMARK(DirectOsGXsetClipArea);

}  // namespace
