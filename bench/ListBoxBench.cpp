// The list box: insertRow through the VM stand-in against the model's own insertRow, draw(I)V of
// a full list against the very drawing calls it makes replayed directly, and the model's bytes
// per slot against the bytes of the texts the slots hold. Null drawing backend throughout.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "LoadedModule.h"
#include "gx/Backend.h"
#include "listbox/ListBoxModel.h"

namespace {

constexpr const char* kListBox = "uxclasses/graphics/CuxListBox";
const std::u16string kCell = u"Tank 3 level high high";  // 22 units

jref newListBox(vm::Vm& vm, int32_t rows) {
  const jref box = vm.newObject(kListBox);
  vm.setInt(box, "x2", 599);
  vm.setInt(box, "y2", 20 * rows - 1);
  vm.setInt(box, "listTextColor", 0x1D2733);
  vm.setInt(box, "listBackColor", 0xFFFFFF);
  const vm::Arg shape[] = {vm::Arg::i(3), vm::Arg::i(rows),
                           vm::Arg::ref(vm.newIntArray(std::vector<int32_t>{150, 150, 150})),
                           vm::Arg::ref(vm.newIntArray(std::vector<int32_t>{40, 40, 40}))};
  vm.invoke(*vm.findNative(kListBox, "constructListBox(II[I[I)V"), box, shape);
  return box;
}

jref rowTexts(vm::Vm& vm) {
  const jref s = vm.newString(kCell);
  return vm.newRefArray(std::vector<jref>{s, s, s});
}

void deleteListBox(vm::Vm& vm, jref box) {
  vm.invoke(*vm.findNative(kListBox, "deleteListBox()V"), box, {});
}

// Each insert scrolls every slot, so the cost grows with the slot count.
void ListBoxInsertRowThroughVm(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref box = newListBox(m.vm, static_cast<int32_t>(state.range(0)));
  const vm::NativeMethod* insert = m.vm.findNative(kListBox, "insertRow([Ljava/lang/String;IZ)V");
  const vm::Arg args[] = {vm::Arg::ref(rowTexts(m.vm)), vm::Arg::i(0), vm::Arg::z(true)};
  for (auto _ : state) m.vm.invoke(*insert, box, args);
  deleteListBox(m.vm, box);
}
BENCHMARK(ListBoxInsertRowThroughVm)->Arg(20)->Arg(10000);

void ListBoxInsertRowModel(benchmark::State& state) {
  const std::vector<int32_t> widths = {150, 150, 150}, capacities = {40, 40, 40};
  zelmo::listbox::ListBoxShape shape;
  shape.columnCount = 3;
  shape.rowCount = static_cast<int32_t>(state.range(0));
  shape.x2 = 599;
  shape.y2 = 20 * shape.rowCount - 1;
  shape.columnWidths = widths;
  shape.capacities = capacities;
  zelmo::listbox::ListBoxModel model(shape);
  const zelmo::listbox::CellText cell{kCell.data(), static_cast<int32_t>(kCell.size())};
  const zelmo::listbox::CellText texts[] = {cell, cell, cell};
  for (auto _ : state) benchmark::DoNotOptimize(model.insertRow(texts, true));
}
BENCHMARK(ListBoxInsertRowModel)->Arg(20)->Arg(10000);

// A full 20-row, 3-column list with rules, a frame and a selected row.
jref fullList(vm::Vm& vm) {
  const jref box = newListBox(vm, 20);
  const vm::Arg frame[] = {vm::Arg::i(0x33475B), vm::Arg::i(0x33475B), vm::Arg::b(2),
                           vm::Arg::b(1)};
  vm.invoke(*vm.findNative(kListBox, "setFrame(IIBB)V"), box, frame);
  vm.invoke(*vm.findNative(kListBox, "setRule(IIBB)V"), box, frame);
  const vm::Arg row[] = {vm::Arg::ref(rowTexts(vm)), vm::Arg::i(0), vm::Arg::z(true)};
  for (int i = 0; i < 20; ++i)
    vm.invoke(*vm.findNative(kListBox, "insertRow([Ljava/lang/String;IZ)V"), box, row);
  const vm::Arg position[] = {vm::Arg::i(5)};
  vm.invoke(*vm.findNative(kListBox, "setCursor(I)V"), box, position);
  return box;
}

void ListBoxDrawThroughVm(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref box = fullList(m.vm);
  const vm::NativeMethod* draw = m.vm.findNative(kListBox, "draw(I)V");
  const vm::Arg layer[] = {vm::Arg::i(0)};
  for (auto _ : state) m.vm.invoke(*draw, box, layer);
  deleteListBox(m.vm, box);
}
BENCHMARK(ListBoxDrawThroughVm);

// The drawing calls of one draw, kept with their arguments to be made again directly.
class CallCapture : public gx::Backend {
 public:
  struct Call {
    enum Kind { GetClip, SetClip, RemoveClip, Rectangle, Line, Text } kind = GetClip;
    int32_t v[11] = {};
    POINTRECT box{};
    TEXTCOL colours{};
    TEXTATTRIB attributes{};
    std::u16string text;
  };
  std::vector<Call> calls;

  Call& add(Call::Kind kind, std::initializer_list<int32_t> values) {
    Call& c = calls.emplace_back();
    c.kind = kind;
    std::copy(values.begin(), values.end(), c.v);
    return c;
  }

  bool getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) override {
    add(Call::GetClip, {layer});
    return Backend::getClipArea(x1, y1, x2, y2, layer);
  }
  void setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) override {
    add(Call::SetClip, {x1, y1, x2, y2, layer});
    Backend::setClipArea(x1, y1, x2, y2, layer);
  }
  void removeClipArea(int32_t layer) override {
    add(Call::RemoveClip, {layer});
    Backend::removeClipArea(layer);
  }
  void drawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t w, int32_t s,
                     int32_t c, int32_t b, uint8_t r, int32_t rx, int32_t ry) override {
    add(Call::Rectangle, {x1, y1, x2, y2, w, s, c, b, r, rx, ry});
  }
  void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t w, uint16_t s, int32_t c,
                int32_t b, uint8_t e) override {
    add(Call::Line, {x1, y1, x2, y2, w, s, c, b, e});
  }
  void text(int32_t layer, const POINTRECT& box, const TEXTCOL& colours,
            const TEXTATTRIB& attributes, uint32_t font, const UniChar* chars, int32_t count,
            bool flag) override {
    Call& call = add(Call::Text, {layer, static_cast<int32_t>(font), flag});
    call.box = box, call.colours = colours, call.attributes = attributes;
    call.text.assign(chars, static_cast<size_t>(count));
  }
};

void replay(const std::vector<CallCapture::Call>& calls) {
  using Call = CallCapture::Call;
  int32_t x1, y1, x2, y2;
  for (const Call& c : calls) {
    const int32_t* v = c.v;
    switch (c.kind) {
      case Call::GetClip:
        benchmark::DoNotOptimize(osGXgetClipArea(&x1, &y1, &x2, &y2, v[0]));
        break;
      case Call::SetClip:
        osGXsetClipArea(v[0], v[1], v[2], v[3], v[4]);
        break;
      case Call::RemoveClip:
        osGXremoveClipArea(v[0]);
        break;
      case Call::Rectangle:
        osGXdrawRectangle(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                          static_cast<uint8_t>(v[8]), v[9], v[10]);
        break;
      case Call::Line:
        osGXdrawLine(v[0], v[1], v[2], v[3], static_cast<uint16_t>(v[4]),
                     static_cast<uint16_t>(v[5]), v[6], v[7], static_cast<uint8_t>(v[8]));
        break;
      case Call::Text:
        osGXtext(v[0], &c.box, &c.colours, &c.attributes, static_cast<uint32_t>(v[1]),
                 c.text.data(), static_cast<int32_t>(c.text.size()), v[2] != 0);
        break;
    }
  }
}

void ListBoxDrawDirectCalls(benchmark::State& state) {
  auto& m = bench::loaded();
  const jref box = fullList(m.vm);
  CallCapture capture;
  gx::installService(&capture);
  m.vm.invoke(*m.vm.findNative(kListBox, "draw(I)V"), box, std::vector<vm::Arg>{vm::Arg::i(0)});
  gx::installService(nullptr);
  deleteListBox(m.vm, box);
  state.counters["drawingCalls"] = static_cast<double>(capture.calls.size());
  for (auto _ : state) replay(capture.calls);
}
BENCHMARK(ListBoxDrawDirectCalls);

// Memory, not time: the model's one block for 10,000 slots of 3 columns of 40 units, per slot and
// as a ratio to the 240 bytes of text a full slot holds.
void ListBoxBytesPerSlot(benchmark::State& state) {
  const std::vector<int32_t> widths = {150, 150, 150}, capacities = {40, 40, 40};
  zelmo::listbox::ListBoxShape shape;
  shape.columnCount = 3;
  shape.rowCount = 10000;
  shape.columnWidths = widths;
  shape.capacities = capacities;
  size_t bytes = 0;
  for (auto _ : state) {
    zelmo::listbox::ListBoxModel model(shape);
    bytes = model.blockBytes();
    benchmark::DoNotOptimize(bytes);
  }
  const double perSlot = static_cast<double>(bytes) / shape.rowCount;
  state.counters["bytesPerSlot"] = perSlot;
  state.counters["ratioToTextBytes"] = perSlot / (3 * 40 * sizeof(UniChar));
}
BENCHMARK(ListBoxBytesPerSlot)->Iterations(1);

}  // namespace
