// Natives other than the list box's never allocate on the heap: a batch of native calls through
// the VM (which itself does not allocate while invoking) is counted by global operator new.
#include <atomic>
#include <cstdlib>
#include <new>

#include "support/ModuleFixture.h"

namespace {
std::atomic<long> allocations{0};
}

// The replacement pair allocates with malloc and frees with free, which GCC cannot see match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace zelmo::test {
namespace {

TEST_F(ModuleTest, NativeCallsDoNotAllocate) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const jref canvas = newCanvas(1);
  const jref area = vm.newObject("uxclasses/graphics/CuxArea");
  const auto* setClip = vm.findNative(kCanvas, "setClip(IIII)V");
  const auto* clipRect = vm.findNative(kCanvas, "clipRect(IIII)V");
  const auto* bounds = vm.findNative(kCanvas, "getClipBounds(Luxclasses/graphics/CuxArea;)Z");
  const auto* transform = vm.findNative(kCanvas, "setTransform(IIFF)V");
  const vm::Arg box[] = {I(1), I(2), I(30), I(40)};
  const vm::Arg areaArg[] = {R(area)};
  const vm::Arg scale[] = {I(1), I(2), F(1.5f), F(-1.0f)};
  canvasCall(canvas, "setClip(IIII)V", {I(0), I(0), I(9), I(9)});  // the layer's clip entry exists

  const long before = allocations.load();
  for (int i = 0; i < 100; ++i) {
    vm.invoke(*setClip, canvas, box);
    vm.invoke(*clipRect, canvas, box);
    vm.invoke(*bounds, canvas, areaArg);
    vm.invoke(*transform, canvas, scale);
  }
  EXPECT_EQ(allocations.load() - before, 0);
}

TEST_F(ModuleTest, ArcPieAndPathNativesDoNotAllocate) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const jref canvas = newCanvas(1);
  const jref path = vm.newString(u"M0 0H10V10Z");
  const vm::NativeMethod* thickArc = vm.findNative(kCanvas, "drawThickArc(IIIIIII)V");
  const vm::NativeMethod* arc = vm.findNative(kCanvas, "drawArc(IIIIII)V");
  const vm::NativeMethod* pie = vm.findNative(kCanvas, "fillPieWithBorder(IIIIIIIIIIII)V");
  const vm::NativeMethod* paths = vm.findNative(kCanvas, "fillAndDrawPath(Ljava/lang/String;III)V");
  const vm::Arg ring[] = {I(100), I(100), I(60), I(200), I(0), I(3600), I(7)};
  const vm::Arg angles[] = {I(0), I(0), I(100), I(60), I(30), I(200)};
  const vm::Arg sector[] = {I(0), I(0), I(100), I(60), I(30), I(200),
                            I(1), I(2), I(1),   I(3),  I(1),  I(1)};
  const vm::Arg pathArgs[] = {R(path), I(1), I(2), I(3)};

  const long before = allocations.load();
  for (int i = 0; i < 100; ++i) {
    vm.invoke(*thickArc, canvas, ring);
    vm.invoke(*arc, canvas, angles);
    vm.invoke(*pie, canvas, sector);
    vm.invoke(*paths, std::nullopt, pathArgs);
  }
  EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
}  // namespace zelmo::test
