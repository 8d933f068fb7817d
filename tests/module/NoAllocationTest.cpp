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

TEST_F(ModuleTest, ImageNativesDoNotAllocate) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const char* file = "uxclasses/graphics/CuxGraphicFile";
  const jref canvas = newCanvas(1);
  const jref image = vm.newObject(file);
  const jref status = vm.newIntArray(std::vector<int32_t>{0});
  const jref path = vm.newString(std::u16string(300, u'p'));
  const auto* draw = vm.findNative(file, "draw(I)V");
  const auto* create = vm.findNative(file, "createImage(IIIII[I)I");
  const auto* load = vm.findNative(file, "loadImage(Ljava/lang/String;[I)I");
  const auto* unload = vm.findNative(file, "unloadImage(I)V");
  const auto* drawImage =
      vm.findNative(kCanvas, "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V");
  const vm::Arg layer[] = {I(0)};
  const vm::Arg area[] = {I(0), I(1), I(2), I(3), I(4), R(status)};
  const vm::Arg loadArgs[] = {R(path), R(status)};
  const vm::Arg handle[] = {I(65537)};
  const vm::Arg at[] = {R(image), I(5), I(6)};

  const long before = allocations.load();
  for (int i = 0; i < 100; ++i) {
    vm.invoke(*draw, image, layer);
    vm.invoke(*create, std::nullopt, area);
    vm.invoke(*unload, image, handle);
    vm.invoke(*load, std::nullopt, loadArgs);
    vm.invoke(*unload, image, handle);
    vm.invoke(*drawImage, canvas, at);
  }
  EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
}  // namespace zelmo::test
