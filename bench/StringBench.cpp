// One canvas string in a box through the VM stand-in on the null drawing service: the cost of
// reading the pen and the text and building the text records, per call.
#include <benchmark/benchmark.h>

#include "LoadedModule.h"

namespace {

void DrawStringInBoxThroughVm(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref canvas = m.vm.newObject("uxclasses/graphics/CuxCanvas");
  m.vm.setInt(canvas, "fontHandle", 1);
  const jref text = m.vm.newStringUtf8("Pump 1: 42.5 m3/h");
  const vm::NativeMethod* drawString =
      m.vm.findNative("uxclasses/graphics/CuxCanvas", "drawString(Ljava/lang/String;IIII)V");
  const vm::Arg args[] = {vm::Arg::ref(text), vm::Arg::i(10), vm::Arg::i(20), vm::Arg::i(200),
                          vm::Arg::i(24)};
  for (auto _ : state) m.vm.invoke(*drawString, canvas, args);
}
BENCHMARK(DrawStringInBoxThroughVm);

}  // namespace
