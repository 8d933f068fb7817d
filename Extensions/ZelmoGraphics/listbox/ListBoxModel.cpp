#include "listbox/ListBoxModel.h"

#include <algorithm>
#include <new>

#include "geometry/IntMath.h"
#include "platform/CoreServices.h"
#include "platform/DrawingService.h"

namespace zelmo::listbox {
namespace {

constexpr int32_t kNoColour = static_cast<int32_t>(0x80000000u);

// The selection bar and its text swap the low 24 bits; the top byte (the no-colour bit) stays.
constexpr int32_t inverted(int32_t colour) { return colour ^ 0x00FFFFFF; }

int32_t usableCapacity(int32_t capacity) { return capacity < 1 ? 1 : capacity; }

// (y2 - y1 + 1 - less) / parts, or the whole when there are no parts, on 16 bits.
int32_t share(int32_t y1, int32_t y2, int32_t less, int32_t parts) {
  const int32_t whole = sub32(add32(sub32(y2, y1), 1), less);
  return wrap16(parts >= 1 ? whole / parts : whole);
}

}  // namespace

int64_t ListBoxModel::cellBytes(const ListBoxShape& shape) {
  const int32_t columns = shape.columnCount;
  if (columns < 0 || columns > kMaxColumns || shape.rowCount < 0 || shape.rowCount > kMaxRows)
    return -1;
  const auto count = static_cast<size_t>(columns);
  if (shape.columnWidths.size() < count || shape.capacities.size() < count) return -1;
  int64_t units = 0;
  for (size_t i = 0; i < count; ++i) units += int64_t{usableCapacity(shape.capacities[i])} + 1;
  const int64_t bytes = units * shape.rowCount * int64_t{sizeof(UniChar)};
  return bytes > kMaxCellBytes ? -1 : bytes;
}

ListBoxModel::ListBoxModel(const ListBoxShape& shape)
    : spareColor_(shape.spareColor),
      fontHandle_(shape.fontHandle),
      textColor_(shape.textColor),
      backColor_(shape.backColor),
      x1_(shape.x1),
      y1_(shape.y1),
      x2_(shape.x2),
      y2_(shape.y2) {
  const int64_t cells = cellBytes(shape);
  if (cells < 0) return;
  // One block: the rows, then widths, capacities and cell offsets, then each cell's length (so
  // drawing need not search for the NUL), then every cell.
  const auto rows = static_cast<size_t>(shape.rowCount);
  const auto columns = static_cast<size_t>(shape.columnCount);
  const size_t rowBytes = rows * sizeof(ListBoxRow);
  const size_t arrayBytes = columns * sizeof(int32_t);
  const size_t lengthBytes = rows * columns * sizeof(int32_t);
  const size_t bytes = rowBytes + 3 * arrayBytes + lengthBytes + static_cast<size_t>(cells);
  block_.reset(new (std::nothrow) std::byte[bytes]);
  if (!block_) return;
  blockBytes_ = bytes;
  rowCount_ = shape.rowCount;
  columnCount_ = shape.columnCount;

  std::byte* at = block_.get();
  for (size_t s = 0; s < rows; ++s)
    new (at + s * sizeof(ListBoxRow)) ListBoxRow{
        spareColor_, textColor_, backColor_, fontHandle_, kNoRow, 0, false, false, 0, 0, 0};
  rows_ = std::launder(reinterpret_cast<ListBoxRow*>(at));
  at += rowBytes;
  columnWidths_ = reinterpret_cast<int32_t*>(at);
  capacities_ = columnWidths_ + columns;
  cellOffsets_ = capacities_ + columns;
  cellLengths_ = cellOffsets_ + columns;
  cells_ = reinterpret_cast<UniChar*>(cellLengths_ + rows * columns);
  for (size_t i = 0; i < columns; ++i) {
    columnWidths_[i] = shape.columnWidths[i];
    capacities_[i] = usableCapacity(shape.capacities[i]);
    cellOffsets_[i] = unitsPerRow_;
    unitsPerRow_ += capacities_[i] + 1;
  }
  std::fill_n(cellLengths_, rows * columns, 0);
  std::fill_n(cells_, static_cast<size_t>(cells) / sizeof(UniChar), UniChar{0});
  rowHeight_ = share(y1_, y2_, 0, rowCount_);
}

UniChar* ListBoxModel::cellBuffer(int32_t slot, int32_t column) const {
  return cells_ + static_cast<ptrdiff_t>(slot) * unitsPerRow_ + cellOffsets_[column];
}

int32_t& ListBoxModel::cellLength(int32_t slot, int32_t column) const {
  return cellLengths_[static_cast<ptrdiff_t>(slot) * columnCount_ + column];
}

std::u16string_view ListBoxModel::cell(int32_t slot, int32_t column) const {
  return {cellBuffer(slot, column), static_cast<size_t>(cellLength(slot, column))};
}

int32_t ListBoxModel::firstFree() const {
  for (int32_t s = 0; s < rowCount_; ++s)
    if (rows_[s].position == kNoRow) return s;
  return kNoRow;
}

int32_t ListBoxModel::findPosition(int32_t position) const {
  if (position == kNoRow) return kNoRow;
  for (int32_t s = 0; s < rowCount_; ++s)
    if (rows_[s].position == position) return s;
  return kNoRow;
}

void ListBoxModel::write(int32_t slot, int32_t position, CellTexts texts) {
  rows_[slot].position = position;
  const size_t columns = std::min(texts.size(), static_cast<size_t>(columnCount_));
  for (size_t i = 0; i < columns; ++i) {
    const CellText& text = texts[i];
    if (!text.chars) continue;
    const int32_t capacity = capacities_[i];
    const int32_t bound = std::clamp(text.length, 0, capacity);
    const UniChar* end = std::find(text.chars, text.chars + bound, UniChar{0});
    UniChar* buffer = cellBuffer(slot, static_cast<int32_t>(i));
    // The text lives in the managed heap, never in this block: the two cannot overlap.
    osUTmemcpy(buffer, text.chars, static_cast<size_t>(end - text.chars) * sizeof(UniChar));
    buffer[end - text.chars] = 0;
    cellLength(slot, static_cast<int32_t>(i)) = static_cast<int32_t>(end - text.chars);
  }
}

void ListBoxModel::clear(int32_t slot) {
  rows_[slot].position = kNoRow;
  for (int32_t i = 0; i < columnCount_; ++i) {
    UniChar* buffer = cellBuffer(slot, i);
    buffer[0] = u' ';
    buffer[1] = 0;
    cellLength(slot, i) = 1;
  }
}

void ListBoxModel::setTitle(CellTexts texts, uint32_t fontHandle, int32_t textColor,
                            int32_t backColor, int32_t height) {
  hasTitle_ = true;
  // A second title rewrites the first rather than costing a data row.
  int32_t slot = kNoRow;
  for (int32_t s = 0; s < rowCount_ && slot == kNoRow; ++s)
    if (rows_[s].isTitle) slot = s;
  if (slot == kNoRow) slot = firstFree();
  if (slot != kNoRow) {
    write(slot, 0, texts);
    ListBoxRow& row = rows_[slot];
    row.textColor = textColor;
    row.backColor = backColor;
    row.isTitle = true;
    row.fontHandle = fontHandle;
  }
  titleHeight_ = wrap16(add32(add32((frameWidth_ + 1) / 2, height), (ruleWidth_ + 1) / 2));
  for (int32_t s = 0; s < rowCount_; ++s) rows_[s].titleHeight = titleHeight_;
  rowHeight_ = rowCount_ >= 2 ? share(y1_, y2_, titleHeight_, rowCount_ - 1) : 0;
}

void ListBoxModel::setFrame(int32_t color, int32_t backColor, uint8_t width, uint8_t style) {
  frameColor_ = color;
  frameBackColor_ = backColor;
  frameWidth_ = width;
  frameStyle_ = style;
  rowHeight_ = share(y1_, y2_, width, rowCount_);
  for (int32_t s = 0; s < rowCount_; ++s) {
    rows_[s].frameWidth = width;
    if (hasTitle_) rows_[s].titleHeight = wrap16(rows_[s].titleHeight + width / 2);
  }
}

void ListBoxModel::setRule(int32_t color, int32_t backColor, uint8_t width, uint8_t style) {
  ruleColor_ = color;
  ruleBackColor_ = backColor;
  ruleWidth_ = width;
  ruleStyle_ = style;
  for (int32_t s = 0; s < rowCount_; ++s) {
    rows_[s].ruleWidth = width;
    if (hasTitle_) rows_[s].titleHeight = wrap16(rows_[s].titleHeight + width / 2);
  }
}

void ListBoxModel::moveCursorTo(int32_t pick, int32_t taken) {
  rows_[pick].selected = true;
  cursor_ = pick;
  rows_[taken].selected = false;
}

int32_t ListBoxModel::insertRow(CellTexts texts, bool atTop) {
  // Scroll: rows that leave the list free their slots, and a dropped row is no longer marked.
  for (int32_t s = 0; s < rowCount_; ++s) {
    ListBoxRow& row = rows_[s];
    if (row.position == kNoRow || (hasTitle_ && row.position == 0)) continue;
    row.position = atTop ? row.position + 1 : row.position - 1;
    if (row.position >= rowCount_ || row.position < (hasTitle_ ? 1 : 0)) {
      row.position = kNoRow;
      row.selected = false;
    }
  }
  const int32_t top = hasTitle_ ? 1 : 0;
  const int32_t position = atTop ? top : rowCount_ - 1;
  // A one-slot list with a title has no room for a data row.
  if (position < top || position >= rowCount_) return kNoRow;
  const int32_t taken = firstFree();
  if (taken == kNoRow) return kNoRow;
  if (cursor_ == taken) {
    int32_t pick = 0;
    for (int32_t s = 1; s < rowCount_; ++s) {
      const bool better =
          atTop ? rows_[s].position > rows_[pick].position : rows_[s].position == top;
      if (better) pick = s;
    }
    moveCursorTo(pick, taken);
  }
  write(taken, position, texts);
  return position;
}

void ListBoxModel::setRowContent(int32_t position, CellTexts texts) {
  if (position == kNoRow) return;
  for (int32_t s = 0; s < rowCount_; ++s)
    if (rows_[s].position == position) write(s, position, texts);
}

void ListBoxModel::setContents(CellTexts texts, int32_t position) {
  // A row off the list would never show nor scroll away, and would hold its slot for good.
  if (position < 0 || position >= rowCount_) return;
  const int32_t slot = firstFree();
  if (slot != kNoRow) write(slot, position, texts);
}

void ListBoxModel::setRowColor(int32_t position, int32_t textColor, int32_t backColor) {
  const int32_t slot = findPosition(position);
  if (slot == kNoRow) return;
  rows_[slot].textColor = textColor;
  rows_[slot].backColor = backColor;
}

void ListBoxModel::wipeOut() {
  for (int32_t s = 0; s < rowCount_; ++s) {
    if (rows_[s].isTitle) continue;
    rows_[s].position = kNoRow;
    rows_[s].selected = false;
  }
}

void ListBoxModel::setCursor(int32_t position) {
  const int32_t found = findPosition(position);
  if (found != kNoRow) {
    // One selected row at a time.
    if (cursor_ != kNoRow) rows_[cursor_].selected = false;
    rows_[found].selected = true;
    cursor_ = found;
    return;
  }
  if (cursor_ != kNoRow || rowCount_ == 0) return;
  int32_t pick = 0;
  for (int32_t s = 1; s < rowCount_; ++s) {
    const int32_t p = rows_[s].position;
    if ((hasTitle_ && rows_[pick].position == 0) || (p != kNoRow && p < rows_[pick].position))
      pick = s;
  }
  if (rows_[pick].position == kNoRow) return;
  rows_[pick].selected = true;
  cursor_ = pick;
}

void ListBoxModel::resetCursor() {
  if (cursor_ == kNoRow) return;
  rows_[cursor_].selected = false;
  cursor_ = kNoRow;
}

// Which row an index names is not settled: the lookup names none, and the first free slot is
// cleared, which shows nothing.
void ListBoxModel::removeRow(int32_t /*index*/) {
  const int32_t slot = firstFree();
  if (slot != kNoRow) clear(slot);
}

void ListBoxModel::setRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
}

void ListBoxModel::drawAll(int32_t layer) const {
  osGXdrawRectangle(x1_, y1_, x2_, y2_, 1, 1, backColor_, backColor_, 0, 0, 0);
  for (int32_t s = 0; s < rowCount_; ++s) drawRow(layer, rows_[s], s);
  if (ruleWidth_ != 0) drawRules();
  if (frameWidth_ != 0)
    osGXdrawRectangle(x1_, y1_, x2_, y2_, frameWidth_, frameStyle_, frameColor_, frameBackColor_, 0,
                      0, 0);
}

void ListBoxModel::drawRules() const {
  if (rowCount_ < 2) return;
  int32_t d = hasTitle_ ? wrap16((frameWidth_ + 1) / 2 + rows_[0].titleHeight) : rowHeight_;
  for (int32_t i = 1; i < rowCount_; ++i) {
    const int32_t y = add32(y1_, d);
    osGXdrawLine(x1_, y, x2_, y, ruleWidth_, ruleStyle_, ruleColor_, ruleBackColor_, 0);
    d = wrap16(d + rowHeight_);
  }
}

void ListBoxModel::drawRow(int32_t layer, const ListBoxRow& row, int32_t slot) const {
  if (row.position == kNoRow) return;
  const int32_t h = rowHeight_;
  const int32_t t = row.titleHeight;
  const int32_t hf = (row.frameWidth + 1) / 2;
  const int32_t hr = (row.ruleWidth + 1) / 2;
  // The y of the row's top edge, before its frame and rule allowances.
  const int32_t rowY = add32(mul32(t != 0 ? row.position - 1 : row.position, h), add32(y1_, t));
  int32_t textColour = row.textColor;
  int32_t top, bottom;
  if (row.isTitle) {
    const int32_t back = row.backColor;
    osGXdrawRectangle(x1_, wrap16(add32(y1_, hf)), x2_, wrap16(add32(add32(y1_, t), hf)), 1, 0,
                      back, back, 0, 0, 0);
    top = wrap16(add32(y1_, hf + 1));
    bottom = wrap16(top + t - 1 - hr);
  } else {
    if (row.selected) {
      const int32_t bar = inverted(row.backColor);
      osGXdrawRectangle(x1_, wrap16(add32(rowY, hf)), x2_, wrap16(add32(rowY, h + hf)), 1, 0, bar,
                        bar, 0, 0, 0);
      textColour = inverted(textColour);
    }
    top = wrap16(add32(rowY, hr + hf + 1));
    bottom = wrap16(top + h - hr);
  }
  const TEXTCOL colours{textColour, kNoColour, 0};
  TEXTATTRIB attributes{};
  attributes.option3 = attributes.option4 = attributes.option5 = 1;
  attributes.option6 = row.textOption;

  const int32_t limit = sub32(x2_, 10);
  int32_t cx = x1_;
  for (int32_t i = 0; i < columnCount_; ++i) {
    const int32_t left = add32(cx, 11);
    int32_t right = add32(left, columnWidths_[i]);
    if (right > limit) {
      right = limit;
      if (left >= right) break;
    }
    const POINTRECT box{left, top, right, bottom};
    const std::u16string_view text = cell(slot, i);
    osGXtext(layer, &box, &colours, &attributes, row.fontHandle, text.data(),
             static_cast<int32_t>(text.size()), false);
    cx = right;
  }
}

}  // namespace zelmo::listbox
