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

// The list box allocates its model once, at construction; filling, editing and drawing it
// allocate nothing.
TEST_F(ModuleTest, ListBoxAllocatesOnlyWhenConstructed) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const char* listBox = "uxclasses/graphics/CuxListBox";
  const jref box = vm.newObject(listBox);
  setFields(box, "x1 y1 x2 y2 originX1 originY1 originX2 originY2 queryY rowLimit",
            {0, 0, 299, 199, 0, 0, 299, 199, 50, 10});
  const jref font = vm.newObject("uxclasses/graphics/CuxFont");
  vm.setRef(box, "font", font);
  const jref texts = vm.newRefArray(std::vector<jref>{vm.newStringUtf8("Pump 3"), 0});
  call(listBox, "constructListBox(II[I[I)V", box,
       {I(2), I(8), R(vm.newIntArray(std::vector<int32_t>{80, 80})),
        R(vm.newIntArray(std::vector<int32_t>{10, 10}))});
  struct Call {
    const char* signature;
    std::vector<vm::Arg> args;
  };
  const std::vector<Call> calls = {
      {"setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V",
       {R(texts), R(font), I(1), I(2), I(20)}},
      {"setFrame(IIBB)V", {I(1), I(2), B(2), B(1)}},
      {"setRule(IIBB)V", {I(1), I(2), B(1), B(1)}},
      {"insertRow([Ljava/lang/String;IZ)V", {R(texts), I(0), Z(true)}},
      {"insertRow([Ljava/lang/String;IZ)V", {R(texts), I(0), Z(false)}},
      {"setRowContent(I[Ljava/lang/String;)V", {I(1), R(texts)}},
      {"setContents([Ljava/lang/String;II)V", {R(texts), I(0), I(3)}},
      {"setRowColor(III)V", {I(1), I(5), I(6)}},
      {"getRowPos()I", {}},
      {"setCursor(I)V", {I(2)}},
      {"resetCursor()V", {}},
      {"removeRow(I)V", {I(0)}},
      {"move(II)V", {I(3), I(4)}},
      {"draw(I)V", {I(0)}},
      {"wipeOut()V", {}},
  };
  std::vector<const vm::NativeMethod*> natives;
  for (const Call& c : calls) natives.push_back(vm.findNative(listBox, c.signature));
  osGXsetClipArea(0, 0, 9, 9, 0);  // draw puts it back, into the layer's existing clip entry

  const long before = allocations.load();
  for (int i = 0; i < 20; ++i)
    for (size_t k = 0; k < calls.size(); ++k) vm.invoke(*natives[k], box, calls[k].args);
  EXPECT_EQ(allocations.load() - before, 0);
}

// The scale, rotation and mark natives keep their ticks and vertices on the stack.
TEST_F(ModuleTest, GaugeNativeCallsDoNotAllocate) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const jref canvas = newCanvas();
  const jref scale = vm.newObject("uxclasses/graphics/CuxScale");
  setFields(scale, "x2 y2 divisions tickStep circular outerRadius", {100, 100, 10, 1, 1, 50});
  const jref xs = vm.newIntArray(std::vector<int32_t>{1, 20, 3, -40});
  const jref ys = vm.newIntArray(std::vector<int32_t>{10, 2, -30, 4});
  const jref radii = vm.newIntArray(4), angles = vm.newIntArray(4);
  struct Call {
    const vm::NativeMethod* native;
    std::optional<jref> self;
    std::vector<vm::Arg> args;
  };
  const auto on = [&](const char* signature) { return vm.findNative(kCanvas, signature); };
  const std::vector<Call> calls = {
      {vm.findNative("uxclasses/graphics/CuxScale", "draw(I)V"), scale, {I(0)}},
      {on("drawScale(IIIIZIIIII)V"),
       canvas,
       {I(0), I(0), I(99), I(9), Z(false), I(1), I(2), I(1), I(1), I(10)}},
      {on("drawScale(IIIIIIIIIIII)V"),
       canvas,
       {I(0), I(0), I(99), I(99), I(-45), I(225), I(40), I(1), I(2), I(1), I(1), I(10)}},
      {on("drawScaleWithSubDivision(IIIIIIIIIIIIII)V"),
       canvas,
       {I(0), I(0), I(99), I(99), I(5), I(-45), I(225), I(40), I(1), I(2), I(1), I(1), I(10),
        I(4)}},
      {on("rotatePtX(II)I"), std::nullopt, {I(100), I(30)}},
      {on("preciseRotatePtY(II)I"), std::nullopt, {I(100), I(300)}},
      {on("preCalculatePolygonParams(I[I[I[I[I)V"),
       std::nullopt,
       {I(4), R(xs), R(ys), R(radii), R(angles)}},
      {on("fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V"),
       canvas,
       {I(4), R(xs), R(ys), R(radii), R(angles), I(50), I(50), I(450), I(1), I(2), Z(true),
        Z(true)}},
      {on("drawMarks([I[IIIIII)V"), canvas, {R(xs), R(ys), I(0), I(4), I(1), I(7), I(8)}},
  };
  for (const Call& c : calls) ASSERT_NE(c.native, nullptr);

  const long before = allocations.load();
  for (int i = 0; i < 20; ++i)
    for (const Call& c : calls) vm.invoke(*c.native, c.self, c.args);
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
