// Natives of uxclasses/graphics/CuxListBox: the managed list box keeps its rows in a native model
// that these natives create, fill, draw and delete. The object's nativeListBox field holds the
// model's handle; every native but constructListBox looks it up first and does nothing at all
// when the handle is refused.
#include <algorithm>
#include <array>
#include <optional>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "geometry/IntMath.h"
#include "listbox/ListBoxModel.h"
#include "listbox/ListBoxTable.h"
#include "platform/DrawingService.h"
#include "records/FontRecord.h"
#include "records/ListBoxRecord.h"
#include "shapes/SavedClip.h"

namespace zelmo {
namespace {

namespace lb = ListBoxFields;
using listbox::CellText;
using listbox::ListBoxModel;

// `this` and the model its handle names; both null when either is missing.
struct ListBox {
  Storage object = nullptr;
  ListBoxModel* model = nullptr;
  explicit operator bool() const { return model != nullptr; }
};

ListBox listBoxOf(const ManagedFrame& frame) {
  const Storage object = frame.thisFields();
  if (!object) return {};
  ListBoxModel* model = listbox::listBoxes().find(lb::nativeListBox.read(object));
  return model ? ListBox{object, model} : ListBox{};
}

// A String array as cell texts, read in place: a null array, an element past its end and a null
// element are null texts, which leave their cells as they were.
class CellTextsArg {
 public:
  CellTextsArg(const ManagedFrame& frame, uint32_t k, int32_t columnCount)
      : count_(static_cast<size_t>(std::clamp(columnCount, 0, listbox::kMaxColumns))) {
    const RefArray array = refArray(fieldsOf(frame.refArg(k)));
    for (size_t i = 0; i < count_; ++i) {
      if (const Storage string = fieldsOf(array.at(static_cast<int32_t>(i)))) {
        const StringText s = stringText(string);
        texts_[i] = CellText{s.chars, s.count};
      }
    }
  }
  listbox::CellTexts view() const { return {texts_.data(), count_}; }

 private:
  std::array<CellText, listbox::kMaxColumns> texts_{};
  size_t count_;
};

// getRowPos's count: the title first, then whole rows while more than nothing is left, at most
// rowLimit. In 64 bits and without a loop, so neither a huge query nor a row height of 0 or less
// can overflow or spin.
int32_t rowAt(int64_t h, bool hasTitle, int32_t titleHeight, int32_t rowHeight, int32_t rowLimit) {
  int64_t n = 0;
  if (hasTitle) {
    h -= titleHeight;
    if (h <= 0) return 0;
    n = 1;
  }
  if (n >= rowLimit || h - rowHeight < 1) return static_cast<int32_t>(n);
  if (rowHeight <= 0) return rowLimit;
  return static_cast<int32_t>(std::min<int64_t>(n + (h - 1) / rowHeight, rowLimit));
}

// setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V
void setTitle() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const CellTextsArg texts(frame, 1, box.model->columnCount());
  lb::hasTitle.write(box.object, 1);
  box.model->setTitle(texts.view(), fontArg(frame, 2).value_or(0), frame.intArg(0), frame.intArg(1),
                      frame.intArg(2));
}

// setFrame(IIBB)V
void setFrame() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const auto width = static_cast<uint8_t>(frame.byteArg(2));
  lb::frameWidthCopy.write(box.object, width);
  box.model->setFrame(frame.intArg(0), frame.intArg(1), width,
                      static_cast<uint8_t>(frame.byteArg(3)));
}

// setRule(IIBB)V
void setRule() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame))
    box.model->setRule(frame.intArg(0), frame.intArg(1), static_cast<uint8_t>(frame.byteArg(2)),
                       static_cast<uint8_t>(frame.byteArg(3)));
}

// insertRow([Ljava/lang/String;IZ)V: the int is not used, and neither is the new position.
void insertRow() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const CellTextsArg texts(frame, 1, box.model->columnCount());
  box.model->insertRow(texts.view(), frame.boolArg(1));
}

// setRowContent(I[Ljava/lang/String;)V
void setRowContent() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const CellTextsArg texts(frame, 1, box.model->columnCount());
  box.model->setRowContent(frame.intArg(0), texts.view());
}

// setContents([Ljava/lang/String;II)V: the first int is not used.
void setContents() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const CellTextsArg texts(frame, 1, box.model->columnCount());
  box.model->setContents(texts.view(), frame.intArg(1));
}

// wipeOut()V
void wipeOut() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame)) box.model->wipeOut();
}

// setRowColor(III)V
void setRowColor() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame))
    box.model->setRowColor(frame.intArg(0), frame.intArg(1), frame.intArg(2));
}

// getRowPos()I: which row lies at queryY.
void getRowPos() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  int32_t row = 0;
  if (box) {
    const int64_t h = int64_t{lb::queryY.read(box.object)} - lb::y1.read(box.object);
    row = rowAt(h, lb::hasTitle.read(box.object) != 0, box.model->titleHeight(),
                box.model->rowHeight(), lb::rowLimit.read(box.object));
  }
  frame.setIntResult(row);
}

// setCursor(I)V: positions are 16-bit.
void setCursor() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame)) box.model->setCursor(wrap16(frame.intArg(0)));
}

// resetCursor()V
void resetCursor() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame)) box.model->resetCursor();
}

// removeRow(I)V
void removeRow() {
  const ManagedFrame frame;
  if (const ListBox box = listBoxOf(frame)) box.model->removeRow(frame.intArg(0));
}

// move(II)V: the rectangle is the origin rectangle offset by dx and by dy upward, on 16 bits.
void move() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const int32_t dx = frame.intArg(0);
  const int32_t dy = frame.intArg(1);
  const Storage o = box.object;
  const int32_t x1 = wrap16(add32(lb::originX1.read(o), dx));
  const int32_t y1 = wrap16(sub32(lb::originY1.read(o), dy));
  const int32_t x2 = wrap16(add32(lb::originX2.read(o), dx));
  const int32_t y2 = wrap16(sub32(lb::originY2.read(o), dy));
  lb::x1.write(o, x1);
  lb::y1.write(o, y1);
  lb::x2.write(o, x2);
  lb::y2.write(o, y2);
  box.model->setRectangle(x1, y1, x2, y2);
}

// draw(I)V: clipped to the rectangle widened by half the frame, the layer's clip state put back.
void draw() {
  const ManagedFrame frame;
  const ListBox box = listBoxOf(frame);
  if (!box) return;
  const int32_t layer = frame.intArg(0);
  const int32_t half = box.model->frameWidth() / 2;
  const Storage o = box.object;
  const int32_t x1 = lb::x1.read(o), y1 = lb::y1.read(o), x2 = lb::x2.read(o), y2 = lb::y2.read(o);
  const SavedClip clip(layer);
  osGXsetClipArea(sub32(x1, half), sub32(y1, half), add32(x2, half), add32(y2, half), layer);
  box.model->drawAll(layer);
}

// constructListBox(II[I[I)V: a model the shape refuses, or one the table cannot hold, leaves the
// field 0. A model the field already names is deleted first.
void constructListBox() {
  const ManagedFrame frame;
  const Storage object = frame.thisFields();
  if (!object) return;
  listbox::ListBoxTable& table = listbox::listBoxes();
  table.destroy(lb::nativeListBox.read(object));
  const Storage widthsArray = fieldsOf(frame.refArg(1));
  const Storage capacitiesArray = fieldsOf(frame.refArg(2));
  uint32_t handle = 0;
  if (widthsArray && capacitiesArray) {
    const IntArray widths = intArray(widthsArray);
    const IntArray capacities = intArray(capacitiesArray);
    const Storage font = fieldsOf(lb::font.read(object));
    listbox::ListBoxShape shape;
    shape.spareColor = lb::listSpareColor.read(object);
    shape.columnCount = frame.intArg(0);
    shape.rowCount = frame.intArg(1);
    shape.x1 = lb::x1.read(object);
    shape.y1 = lb::y1.read(object);
    shape.x2 = lb::x2.read(object);
    shape.y2 = lb::y2.read(object);
    shape.fontHandle = font ? FontFields::fontHandle.read(font) : 0;
    shape.textColor = lb::listTextColor.read(object);
    shape.backColor = lb::listBackColor.read(object);
    shape.columnWidths = {widths.elements, static_cast<size_t>(widths.length)};
    shape.capacities = {capacities.elements, static_cast<size_t>(capacities.length)};
    handle = table.create(shape);
  }
  lb::nativeListBox.write(object, handle);
}

// deleteListBox()V: the field keeps its value; the handle it holds is refused from now on.
void deleteListBox() {
  const ManagedFrame frame;
  if (const Storage object = frame.thisFields())
    listbox::listBoxes().destroy(lb::nativeListBox.read(object));
}

constexpr NativeEntry kNatives[] = {
    {"setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V", setTitle},
    {"setFrame(IIBB)V", setFrame},
    {"setRule(IIBB)V", setRule},
    {"insertRow([Ljava/lang/String;IZ)V", insertRow},
    {"setRowContent(I[Ljava/lang/String;)V", setRowContent},
    {"setContents([Ljava/lang/String;II)V", setContents},
    {"wipeOut()V", wipeOut},
    {"setRowColor(III)V", setRowColor},
    {"getRowPos()I", getRowPos},
    {"setCursor(I)V", setCursor},
    {"resetCursor()V", resetCursor},
    {"removeRow(I)V", removeRow},
    {"move(II)V", move},
    {"draw(I)V", draw},
    {"constructListBox(II[I[I)V", constructListBox},
    {"deleteListBox()V", deleteListBox},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxListBox_init() {
  return zelmo::registerClass(zelmo::ListBoxFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxListBox", 537});
}
