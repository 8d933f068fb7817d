// The CuxListBox natives, with every object moving at each call, and their handle table.
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include <unistd.h>

#include "support/ModuleFixture.h"
#include "support/ProcessSize.h"

namespace zelmo::test {
namespace {

constexpr const char* kListBox = "uxclasses/graphics/CuxListBox";
constexpr const char* kSetTitle = "setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V";
constexpr const char* kInsertRow = "insertRow([Ljava/lang/String;IZ)V";
constexpr const char* kSetRowContent = "setRowContent(I[Ljava/lang/String;)V";
constexpr const char* kConstruct = "constructListBox(II[I[I)V";

const std::string kAttributes = "{0,0,0,1,1,1,0,0}";
const std::string kOutline = "osGXdrawRectangle(10,20,209,79,1,1,2236962,2236962,0,0,0)";

class ListBoxTest : public ModuleTest {
 protected:
  ListBoxTest() {
    vm.relocateOnEveryCall = true;
    vm.setInt(font, "fontHandle", 9);
    osGXremoveClipArea(3);  // the null service behind the recorder lives as long as the process
  }

  // A list box over (10, 20, 209, 79) with its origin rectangle, colours and font set.
  jref newBox() {
    const jref box = vm.newObject(kListBox);
    setFields(box,
              "x1 y1 x2 y2 originX1 originY1 originX2 originY2 listSpareColor listTextColor "
              "listBackColor rowLimit",
              {10, 20, 209, 79, 10, 20, 209, 79, 7, 0x111111, 0x222222, 100});
    vm.setRef(box, "font", font);
    return box;
  }
  void construct(jref box, int32_t columns, int32_t rows, std::vector<int32_t> widths = {40, 500},
                 std::vector<int32_t> capacities = {8, 8}) {
    call(kListBox, kConstruct, box,
         {I(columns), I(rows), R(vm.newIntArray(widths)), R(vm.newIntArray(capacities))});
  }
  // A String array; nullptr makes a null element.
  jref strings(std::initializer_list<const char*> texts) {
    std::vector<jref> elements;
    for (const char* t : texts) elements.push_back(t ? vm.newStringUtf8(t) : 0);
    return vm.newRefArray(elements);
  }
  void insert(jref box, std::initializer_list<const char*> texts, bool atTop = true) {
    call(kListBox, kInsertRow, box, {R(strings(texts)), I(0), Z(atTop)});
  }
  std::vector<std::string> draw(jref box, int32_t layer = 3) {
    recorder.clear();
    call(kListBox, "draw(I)V", box, {I(layer)});
    return drawn();
  }
  uint32_t handle(jref box) { return static_cast<uint32_t>(vm.getInt(box, "nativeListBox")); }
  int32_t rowPos(jref box) { return call(kListBox, "getRowPos()I", box).i(); }
  static std::string text(const std::string& box, const std::string& colours, uint32_t font,
                          const std::string& s) {
    return "osGXtext(3," + box + "," + colours + "," + kAttributes + "," + std::to_string(font) +
           ",\"" + s + "\"," + std::to_string(s.size()) + ",false)";
  }

  jref font = vm.newObject("uxclasses/graphics/CuxFont");
};

const std::string kPlain = "{1118481,2147483648,0}";

TEST_F(ListBoxTest, DrawsItsModelInsideTheFrameClipAndPutsTheClipBack) {
  const jref box = newBox();
  construct(box, 2, 3);
  ASSERT_NE(handle(box), 0u);
  call(kListBox, "setFrame(IIBB)V", box, {I(0x0A0A0A), I(0x0B0B0B), B(3), B(1)});
  EXPECT_EQ(vm.getByte(box, "frameWidthCopy"), 3);
  insert(box, {"Pump", "On"});
  const std::vector<std::string> model = {
      kOutline, text("{21,23,61,42}", kPlain, 9, "Pump"), text("{72,23,199,42}", kPlain, 9, "On"),
      "osGXdrawRectangle(10,20,209,79,3,1,657930,723723,0,0,0)"};
  std::vector<std::string> expected = {"osGXgetClipArea(3,false)",
                                       "osGXsetClipArea(9,19,210,80,3)"};
  expected.insert(expected.end(), model.begin(), model.end());
  expected.push_back("osGXremoveClipArea(3)");
  EXPECT_EQ(draw(box), expected);
  osGXsetClipArea(1, 2, 30, 40, 3);
  expected.front() = "osGXgetClipArea(3,true)";
  expected.back() = "osGXsetClipArea(1,2,30,40,3)";
  EXPECT_EQ(draw(box), expected);
}

TEST_F(ListBoxTest, NullFontsAreTheDefaultFont) {
  const jref box = newBox();
  vm.setRef(box, "font", 0);
  construct(box, 1, 2, {40}, {8});
  call(kListBox, kSetTitle, box, {R(strings({"T"})), R(0), I(0x333333), I(0x444444), I(10)});
  insert(box, {"a"});
  const auto calls = draw(box);
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[4], text("{21,21,61,30}", "{3355443,2147483648,0}", 0, "T"));
  EXPECT_EQ(calls[5], text("{21,31,61,81}", kPlain, 0, "a"));
}

TEST_F(ListBoxTest, StringArraysLeaveCellsForNullArraysMissingAndNullElements) {
  const jref box = newBox();
  construct(box, 2, 1);
  insert(box, {"a", "b"});
  call(kListBox, kSetRowContent, box, {I(0), R(0)});
  call(kListBox, kSetRowContent, box, {I(0), R(strings({"x"}))});
  call(kListBox, kSetRowContent, box, {I(0), R(strings({nullptr, "y", "ignored"}))});
  const auto calls = draw(box);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[3], text("{21,21,61,81}", kPlain, 9, "x"));
  EXPECT_EQ(calls[4], text("{72,21,199,81}", kPlain, 9, "y"));
}

TEST_F(ListBoxTest, SetTitleMarksTheObjectEvenWithoutAFreeSlot) {
  const jref box = newBox();
  construct(box, 1, 1, {40}, {8});
  insert(box, {"row"});
  call(kListBox, kSetTitle, box, {R(strings({"T"})), R(font), I(1), I(2), I(16)});
  EXPECT_EQ(vm.getByte(box, "hasTitle"), 1);
}

TEST_F(ListBoxTest, MoveOffsetsTheOriginRectangleOnSixteenBits) {
  const jref box = newBox();
  construct(box, 1, 2, {40}, {8});
  setFields(box, "originX1 originY1 originX2 originY2", {0, 100, 50, 150});
  call(kListBox, "move(II)V", box, {I(5), I(5)});
  EXPECT_EQ(ints(box, "x1 y1 x2 y2"), (std::vector<int32_t>{5, 95, 55, 145}));
  EXPECT_EQ(draw(box)[2], "osGXdrawRectangle(5,95,55,145,1,1,2236962,2236962,0,0,0)");
  setFields(box, "originX1 originY1", {32767, -32768});
  call(kListBox, "move(II)V", box, {I(1), I(1)});
  EXPECT_EQ(ints(box, "x1 y1 x2 y2"), (std::vector<int32_t>{-32768, 32767, 51, 149}));
}

TEST_F(ListBoxTest, GetRowPosCountsRowsFromTheTopWithoutLooping) {
  const struct {
    int32_t rows, y1, y2, title, queryY, rowLimit, answer;
  } cases[] = {
      {10, 0, 99, 0, 25, 100, 2},  // a boundary counts to the row above
      {10, 0, 99, 0, 20, 100, 1},
      {10, 0, 99, 0, -5, 100, 0},
      {10, 0, 99, 0, 1000, 5, 5},
      {6, 0, 65, 16, 10, 5, 0},  // inside the title
      {6, 0, 65, 16, 30, 5, 2},
      {6, 0, 65, 16, 30, 0, 1},                  // the title row counts even past the limit
      {1, 0, 65, 16, 50, INT32_MAX, INT32_MAX},  // a row height of 0
      {10, INT32_MIN, INT32_MIN + 99, 0, INT32_MAX, INT32_MAX, 429496729},
  };
  for (const auto& c : cases) {
    const jref box = newBox();
    setFields(box, "y1 y2 queryY rowLimit", {c.y1, c.y2, c.queryY, c.rowLimit});
    construct(box, 1, c.rows, {40}, {8});
    if (c.title) call(kListBox, kSetTitle, box, {R(0), R(font), I(1), I(2), I(c.title)});
    EXPECT_EQ(rowPos(box), c.answer) << "queryY " << c.queryY << " rows " << c.rows;
  }
}

TEST_F(ListBoxTest, SetCursorTakesTheLowSixteenBits) {
  const jref box = newBox();
  construct(box, 1, 3, {40}, {8});
  for (const char* t : {"c", "b", "a"}) insert(box, {t});
  call(kListBox, "setCursor(I)V", box, {I(65536 + 1)});
  // Row 1 ("b") under an inverted bar, 20 pixels a row.
  const auto calls = draw(box);
  EXPECT_EQ(calls[4], "osGXdrawRectangle(10,40,209,60,1,0,14540253,14540253,0,0,0)");
  EXPECT_EQ(calls[5], text("{21,41,61,61}", "{15658734,2147483648,0}", 9, "b"));
}

// Handles.

TEST_F(ListBoxTest, RefusedHandleDoesNothingAtAll) {
  const jref box = newBox();
  const jref other = newBox();
  construct(other, 1, 2, {40}, {8});
  const uint32_t live = handle(other);
  const uint32_t garbage[] = {0, 1, live ^ (1u << 10), live + 1, 0xFFFFFFFF, live & 1023};
  for (const uint32_t h : garbage) {
    vm.setInt(box, "nativeListBox", static_cast<int32_t>(h));
    setFields(box, "queryY", {500});
    recorder.clear();
    call(kListBox, kSetTitle, box, {R(strings({"T"})), R(font), I(1), I(2), I(16)});
    call(kListBox, "setFrame(IIBB)V", box, {I(1), I(2), B(3), B(1)});
    call(kListBox, "setRule(IIBB)V", box, {I(1), I(2), B(3), B(1)});
    insert(box, {"x"});
    call(kListBox, kSetRowContent, box, {I(0), R(strings({"x"}))});
    call(kListBox, "setContents([Ljava/lang/String;II)V", box, {R(strings({"x"})), I(0), I(0)});
    call(kListBox, "wipeOut()V", box);
    call(kListBox, "setRowColor(III)V", box, {I(0), I(1), I(2)});
    EXPECT_EQ(rowPos(box), 0);
    call(kListBox, "setCursor(I)V", box, {I(0)});
    call(kListBox, "resetCursor()V", box);
    call(kListBox, "removeRow(I)V", box, {I(0)});
    call(kListBox, "move(II)V", box, {I(5), I(5)});
    call(kListBox, "draw(I)V", box, {I(3)});
    call(kListBox, "deleteListBox()V", box);
    EXPECT_TRUE(drawn().empty()) << h;
    EXPECT_EQ(ints(box, "hasTitle frameWidthCopy x1"), (std::vector<int32_t>{0, 0, 10})) << h;
    EXPECT_EQ(handle(box), h);
  }
  // The live model the garbage came from is untouched.
  EXPECT_EQ(draw(other).size(), 4u);
}

TEST_F(ListBoxTest, DeletedHandleStaysRefusedWhenItsEntryIsReused) {
  const jref first = newBox();
  construct(first, 1, 2, {40}, {8});
  const uint32_t stale = handle(first);
  call(kListBox, "deleteListBox()V", first);
  EXPECT_EQ(handle(first), stale);  // the field keeps its value
  const jref second = newBox();
  construct(second, 1, 2, {40}, {8});
  EXPECT_EQ(handle(second) & 1023, stale & 1023);
  EXPECT_NE(handle(second), stale);
  insert(first, {"ghost"});
  call(kListBox, "deleteListBox()V", first);  // a second delete of the same handle
  EXPECT_TRUE(draw(first).empty());
  EXPECT_EQ(draw(second).size(), 4u);  // alive and empty: clip, outline, clip

  // Constructing again deletes the model it replaces.
  const uint32_t replaced = handle(second);
  construct(second, 1, 2, {40}, {8});
  const uint32_t current = handle(second);
  EXPECT_NE(current, replaced);
  vm.setInt(second, "nativeListBox", static_cast<int32_t>(replaced));
  EXPECT_TRUE(draw(second).empty());
  vm.setInt(second, "nativeListBox", static_cast<int32_t>(current));
  EXPECT_EQ(draw(second).size(), 4u);
}

TEST_F(ListBoxTest, RefusedShapesLeaveNoModel) {
  const struct {
    const char* why;
    int32_t columns, rows;
    std::vector<int32_t> widths, capacities;
    bool nullWidths = false, nullCapacities = false;
  } refused[] = {
      {"negative columns", -1, 2, {40}, {8}},
      {"65 columns", 65, 2, std::vector<int32_t>(65, 4), std::vector<int32_t>(65, 4)},
      {"negative rows", 1, -1, {40}, {8}},
      {"32768 rows", 1, 32768, {40}, {8}},
      {"short widths", 2, 2, {40}, {8, 8}},
      {"short capacities", 2, 2, {40, 40}, {8}},
      {"null widths", 1, 2, {40}, {8}, true},
      {"null capacities", 1, 2, {40}, {8}, false, true},
      {"capacity INT_MAX", 1, 2, {40}, {INT32_MAX}},
      {"over 16 MiB", 1, 32767, {40}, {256}},
  };
  for (const auto& r : refused) {
    const jref box = newBox();
    construct(box, 1, 2, {40}, {8});
    const uint32_t before = handle(box);
    call(kListBox, kConstruct, box,
         {I(r.columns), I(r.rows), R(r.nullWidths ? 0 : vm.newIntArray(r.widths)),
          R(r.nullCapacities ? 0 : vm.newIntArray(r.capacities))});
    EXPECT_EQ(handle(box), 0u) << r.why;
    vm.setInt(box, "nativeListBox", static_cast<int32_t>(before));
    EXPECT_TRUE(draw(box).empty()) << r.why << ": the model it named is deleted";
  }
  // A list without slots is a model: it draws its outline.
  const jref empty = newBox();
  construct(empty, 0, 0, {}, {});
  EXPECT_EQ(draw(empty),
            (std::vector<std::string>{"osGXgetClipArea(3,false)", "osGXsetClipArea(10,20,209,79,3)",
                                      kOutline, "osGXremoveClipArea(3)"}));
}

TEST_F(ListBoxTest, AtMost1024ModelsLive) {
  vm.relocateOnEveryCall = false;
  std::vector<jref> boxes;
  for (int i = 0; i < 1024; ++i) {
    boxes.push_back(newBox());
    construct(boxes.back(), 1, 1, {40}, {8});
    ASSERT_NE(handle(boxes.back()), 0u) << i;
  }
  const jref extra = newBox();
  construct(extra, 1, 1, {40}, {8});
  EXPECT_EQ(handle(extra), 0u);
  call(kListBox, "deleteListBox()V", boxes[500]);
  construct(extra, 1, 1, {40}, {8});
  EXPECT_EQ(handle(extra) & 1023, handle(boxes[500]) & 1023);
  for (const jref box : boxes) call(kListBox, "deleteListBox()V", box);
  call(kListBox, "deleteListBox()V", extra);
}

// Create, fill and delete many times over: memory comes back each time. The objects stay put
// here, as each relocation takes new heap space that this VM stand-in never collects.
TEST_F(ListBoxTest, HundredThousandCyclesLeaveTheProcessSizeFlat) {
  vm.relocateOnEveryCall = false;
  gx::Backend nullService;
  gx::installService(&nullService);
  const jref box = newBox();
  const jref widths = vm.newIntArray(std::vector<int32_t>{40, 60, 80});
  const jref capacities = vm.newIntArray(std::vector<int32_t>{40, 40, 40});
  const jref row = strings({"Tank 3 level high", "12:04:31", "acknowledged"});
  const auto* construct = vm.findNative(kListBox, kConstruct);
  const auto* insertRow = vm.findNative(kListBox, kInsertRow);
  const auto* remove = vm.findNative(kListBox, "deleteListBox()V");
  const vm::Arg shape[] = {I(3), I(20), R(widths), R(capacities)};
  const vm::Arg texts[] = {R(row), I(0), Z(true)};
  const auto cycle = [&] {
    vm.invoke(*construct, box, shape);
    for (int r = 0; r < 25; ++r) vm.invoke(*insertRow, box, texts);
    vm.invoke(*remove, box, {});
  };
  EXPECT_LT(residentGrowthOver(100000, cycle), 1L << 20);
}

}  // namespace
}  // namespace zelmo::test
