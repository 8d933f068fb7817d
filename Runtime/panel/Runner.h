// Runs a screen's calls in order through the natives the module registered with the VM.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "panel/Diagnostics.h"
#include "panel/Values.h"

namespace panel {

// Throws ScreenError naming the call (index and signature) for a malformed call, and
// NativeFailure when the VM reports that a native misbehaved (unbalanced stacks).
void runCalls(vm::Vm& vm, const Json& calls, Bindings& names);

// Sees each native invocation of a run as the VM made it (a benchmark replays them as a frame).
using InvocationObserver =
    std::function<void(const vm::NativeMethod&, std::optional<jref>, std::span<const vm::Arg>)>;
void runCalls(vm::Vm& vm, const Json& calls, Bindings& names, const InvocationObserver& observe);

// Told with its index in the screen's calls before and after each call runs (the report and the
// trace name the call that caused each drawing-service call).
struct CallHooks {
  std::function<void(size_t)> before;
  std::function<void(size_t)> after;
};
// Given `report`, a call that is wrong is kept there and skipped, and the run goes on; a call that
// cannot draw what was meant (on a layer beyond the screen's `layers`, say) is warned about there.
void runCalls(vm::Vm& vm, const Json& calls, Bindings& names, const InvocationObserver& observe,
              const CallHooks& hooks, Diagnostics* report = nullptr, int layers = 1);

struct NativeFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace panel
