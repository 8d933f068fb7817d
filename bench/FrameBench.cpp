// One frame of the pump-station example: every native call the screen makes, replayed through
// the VM, once on the null drawing service (module and VM only) and once rasterized.
#include <benchmark/benchmark.h>

#include <vector>

#include "LoadedModule.h"
#include "gx/RasterBackend.h"
#include "panel/Runner.h"
#include "panel/Screen.h"

namespace {

struct Invocation {
  const vm::NativeMethod* native;
  std::optional<jref> self;
  std::vector<vm::Arg> args;
};

struct Frame {
  panel::Screen screen;
  std::vector<Invocation> invocations;
};

// Builds the screen's objects once and records the invocations its calls make.
const Frame& pumpStationFrame() {
  static const Frame frame = [] {
    Frame f;
    auto& vm = bench::loaded().vm;
    f.screen = panel::readScreen(ZELMO_SOURCE_DIR "/examples/screens/pump-station.json");
    panel::Bindings names;
    panel::buildObjects(vm, f.screen.objects, names);
    panel::applyStatics(vm, f.screen.statics, names);
    panel::runCalls(vm, f.screen.calls, names,
                    [&](const vm::NativeMethod& native, std::optional<jref> self,
                        std::span<const vm::Arg> args) {
                      f.invocations.push_back({&native, self, {args.begin(), args.end()}});
                    });
    return f;
  }();
  return frame;
}

void replay(benchmark::State& state) {
  const Frame& frame = pumpStationFrame();
  auto& vm = bench::loaded().vm;
  for (auto _ : state)
    for (const Invocation& call : frame.invocations) vm.invoke(*call.native, call.self, call.args);
  state.counters["natives"] = static_cast<double>(frame.invocations.size());
}

void PumpStationFrameNullService(benchmark::State& state) { replay(state); }
BENCHMARK(PumpStationFrameNullService)->Unit(benchmark::kMicrosecond);

void PumpStationFrameRasterized(benchmark::State& state) {
  const Frame& frame = pumpStationFrame();
  gx::RasterBackend raster(frame.screen.width, frame.screen.height, frame.screen.layers,
                           frame.screen.background);
  gx::Backend* previous = gx::installService(&raster);
  replay(state);
  gx::installService(previous);
}
BENCHMARK(PumpStationFrameRasterized)->Unit(benchmark::kMicrosecond);

}  // namespace
