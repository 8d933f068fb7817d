// Natives other than the list box's never allocate on the heap: a batch of native calls through
// the VM (which itself does not allocate while invoking) is counted by global operator new.
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

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

// Canvas, shape, scale, rotation, image and path natives keep their points, ticks, vertices and
// texts on the stack.
TEST_F(ModuleTest, NativeCallsDoNotAllocate) {
  gx::Backend nullService;
  gx::installService(&nullService);
  const char* file = "uxclasses/graphics/CuxGraphicFile";
  const char* polyLine = "uxclasses/graphics/CuxPolyLine";
  const jref canvas = newCanvas(1);
  const jref area = vm.newObject("uxclasses/graphics/CuxArea");
  const jref scale = vm.newObject("uxclasses/graphics/CuxScale");
  setFields(scale, "x2 y2 divisions tickStep circular outerRadius", {100, 100, 10, 1, 1, 50});
  const jref xs = vm.newIntArray(std::vector<int32_t>{1, 20, 3, -40});
  const jref ys = vm.newIntArray(std::vector<int32_t>{10, 2, -30, 4});
  const jref radii = vm.newIntArray(4), angles = vm.newIntArray(4);
  const jref image = vm.newObject(file);
  const jref status = vm.newIntArray(std::vector<int32_t>{0});
  const jref longPath = vm.newString(std::u16string(300, u'p'));
  const jref path = vm.newString(u"M0 0H10V10Z");
  const jref line = vm.newObject(polyLine);
  setFields(line, "pointCount lineWidth lineStyle lineEnd", {3, 5, 1, 3});
  vm.setRef(line, "points", vm.newIntArray(std::vector<int32_t>{0, 0, 10, 5, 20, 0}));
  const jref rect = vm.newObject("uxclasses/graphics/CuxRectangle");
  setFields(rect, "origX2 origY2", {99, 49});
  struct Call {
    const vm::NativeMethod* native;
    std::optional<jref> self;
    std::vector<vm::Arg> args;
  };
  const auto on = [&](const char* signature) { return vm.findNative(kCanvas, signature); };
  // clang-format off
  const std::vector<Call> calls = {
      {on("setClip(IIII)V"), canvas, {I(1), I(2), I(30), I(40)}},
      {on("clipRect(IIII)V"), canvas, {I(1), I(2), I(30), I(40)}},
      {on("getClipBounds(Luxclasses/graphics/CuxArea;)Z"), canvas, {R(area)}},
      {on("setTransform(IIFF)V"), canvas, {I(1), I(2), F(1.5f), F(-1.0f)}},
      {vm.findNative("uxclasses/graphics/CuxScale", "draw(I)V"), scale, {I(0)}},
      {on("drawScale(IIIIZIIIII)V"), canvas,
       {I(0), I(0), I(99), I(9), Z(false), I(1), I(2), I(1), I(1), I(10)}},
      {on("drawScale(IIIIIIIIIIII)V"), canvas,
       {I(0), I(0), I(99), I(99), I(-45), I(225), I(40), I(1), I(2), I(1), I(1), I(10)}},
      {on("drawScaleWithSubDivision(IIIIIIIIIIIIII)V"), canvas,
       {I(0), I(0), I(99), I(99), I(5), I(-45), I(225), I(40), I(1), I(2), I(1), I(1), I(10),
        I(4)}},
      {on("rotatePtX(II)I"), std::nullopt, {I(100), I(30)}},
      {on("preciseRotatePtY(II)I"), std::nullopt, {I(100), I(300)}},
      {on("preCalculatePolygonParams(I[I[I[I[I)V"), std::nullopt,
       {I(4), R(xs), R(ys), R(radii), R(angles)}},
      {on("fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V"), canvas,
       {I(4), R(xs), R(ys), R(radii), R(angles), I(50), I(50), I(450), I(1), I(2), Z(true),
        Z(true)}},
      {on("drawMarks([I[IIIIII)V"), canvas, {R(xs), R(ys), I(0), I(4), I(1), I(7), I(8)}},
      {on("drawThickArc(IIIIIII)V"), canvas, {I(100), I(100), I(60), I(200), I(0), I(3600), I(7)}},
      {on("drawArc(IIIIII)V"), canvas, {I(0), I(0), I(100), I(60), I(30), I(200)}},
      {on("fillPieWithBorder(IIIIIIIIIIII)V"), canvas,
       {I(0), I(0), I(100), I(60), I(30), I(200), I(1), I(2), I(1), I(3), I(1), I(1)}},
      {on("fillAndDrawPath(Ljava/lang/String;III)V"), std::nullopt, {R(path), I(1), I(2), I(3)}},
      {vm.findNative(file, "draw(I)V"), image, {I(0)}},
      {vm.findNative(file, "createImage(IIIII[I)I"), std::nullopt,
       {I(0), I(1), I(2), I(3), I(4), R(status)}},
      {vm.findNative(file, "unloadImage(I)V"), image, {I(65537)}},
      {vm.findNative(file, "loadImage(Ljava/lang/String;[I)I"), std::nullopt,
       {R(longPath), R(status)}},
      {vm.findNative(file, "unloadImage(I)V"), image, {I(65537)}},
      {on("drawImage(Luxclasses/graphics/CuxGraphicFile;II)V"), canvas, {R(image), I(5), I(6)}},
      {vm.findNative(polyLine, "draw(I)V"), line, {I(0)}},
      {vm.findNative(polyLine, "updateCorePts()V"), line, {}},
      {vm.findNative("uxclasses/graphics/CuxRectangle", "resizeRectangle(IBIB)V"), rect,
       {I(50), B(1), I(70), B(4)}},
  };
  // clang-format on
  for (const Call& c : calls) ASSERT_NE(c.native, nullptr);
  canvasCall(canvas, "setClip(IIII)V", {I(0), I(0), I(9), I(9)});  // the layer's clip entry exists

  const long before = allocations.load();
  for (int i = 0; i < 20; ++i)
    for (const Call& c : calls) vm.invoke(*c.native, c.self, c.args);
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

}  // namespace
}  // namespace zelmo::test
