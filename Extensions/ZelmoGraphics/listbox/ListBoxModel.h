// The list box model: a fixed set of row slots, made once, each showing one display position (or
// none) with one text cell per column. Inserting, filling and clearing only move slots between
// positions and rewrite cells, so nothing is allocated after construction. The model knows
// nothing of the VM: texts arrive as views and drawing goes straight to the drawing service.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "geometry/IntMath.h"  // wrap16: the model's heights and y coordinates live on 16 bits
#include "platform/PlatformTypes.h"

namespace zelmo::listbox {

// One cell's new text: its units up to the first NUL and at most the cell's capacity are taken.
// Null chars leave the cell as it was.
struct CellText {
  const UniChar* chars = nullptr;
  int32_t length = 0;
};
using CellTexts = std::span<const CellText>;  // missing columns count as null texts

inline constexpr int32_t kMaxColumns = 64;
inline constexpr int32_t kMaxRows = 32767;
inline constexpr int64_t kMaxCellBytes = int64_t{16} << 20;
inline constexpr int32_t kNoRow = -1;  // the position of a free slot, the cursor of none

struct ListBoxShape {
  int32_t spareColor = 0;
  int32_t columnCount = 0;
  int32_t rowCount = 0;
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  uint32_t fontHandle = 0;
  int32_t textColor = 0;
  int32_t backColor = 0;
  std::span<const int32_t> columnWidths;  // columnCount values each
  std::span<const int32_t> capacities;    // a capacity below 1 counts as 1
};

struct ListBoxRow {
  int32_t spareColor;
  int32_t textColor;
  int32_t backColor;
  uint32_t fontHandle;
  int32_t position;     // kNoRow for a free slot
  int32_t titleHeight;  // a 16-bit value
  bool selected;
  bool isTitle;
  uint8_t textOption;
  uint8_t frameWidth;
  uint8_t ruleWidth;
};

class ListBoxModel {
 public:
  // The bytes the cells of a shape take, or -1 when the shape is refused: counts out of range,
  // arrays shorter than the column count, or cells over kMaxCellBytes.
  static int64_t cellBytes(const ListBoxShape& shape);

  // A refused shape, or a failed allocation, gives a model with no slots and no columns that
  // reports !ok().
  explicit ListBoxModel(const ListBoxShape& shape);
  ListBoxModel(const ListBoxModel&) = delete;
  ListBoxModel& operator=(const ListBoxModel&) = delete;

  bool ok() const { return block_ != nullptr; }
  size_t blockBytes() const { return blockBytes_; }

  void setTitle(CellTexts texts, uint32_t fontHandle, int32_t textColor, int32_t backColor,
                int32_t height);
  void setFrame(int32_t color, int32_t backColor, uint8_t width, uint8_t style);
  void setRule(int32_t color, int32_t backColor, uint8_t width, uint8_t style);
  int32_t insertRow(CellTexts texts, bool atTop);
  void setRowContent(int32_t position, CellTexts texts);
  void setContents(CellTexts texts, int32_t position);
  void setRowColor(int32_t position, int32_t textColor, int32_t backColor);
  void wipeOut();
  void setCursor(int32_t position);
  void resetCursor();
  void removeRow(int32_t index);
  void setRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void drawAll(int32_t layer) const;

  int32_t rowCount() const { return rowCount_; }
  int32_t columnCount() const { return columnCount_; }
  int32_t rowHeight() const { return rowHeight_; }
  int32_t titleHeight() const { return titleHeight_; }
  uint8_t frameWidth() const { return frameWidth_; }
  bool hasTitle() const { return hasTitle_; }
  int32_t cursorSlot() const { return cursor_; }
  const ListBoxRow& row(int32_t slot) const { return rows_[slot]; }
  // The text of a cell, without its NUL.
  std::u16string_view cell(int32_t slot, int32_t column) const;

 private:
  UniChar* cellBuffer(int32_t slot, int32_t column) const;
  int32_t& cellLength(int32_t slot, int32_t column) const;
  int32_t firstFree() const;
  // The first used slot at `position`, or kNoRow; a free slot is never found.
  int32_t findPosition(int32_t position) const;
  void write(int32_t slot, int32_t position, CellTexts texts);
  void clear(int32_t slot);
  void moveCursorTo(int32_t pick, int32_t taken);
  void drawRow(int32_t layer, const ListBoxRow& row, int32_t slot) const;
  void drawRules() const;

  std::unique_ptr<std::byte[]> block_;
  size_t blockBytes_ = 0;
  // Views into block_.
  ListBoxRow* rows_ = nullptr;
  int32_t* columnWidths_ = nullptr;
  int32_t* capacities_ = nullptr;
  int32_t* cellOffsets_ = nullptr;
  int32_t* cellLengths_ = nullptr;
  UniChar* cells_ = nullptr;
  int32_t unitsPerRow_ = 0;

  int32_t spareColor_;
  uint32_t fontHandle_;
  int32_t textColor_;
  int32_t backColor_;
  int32_t rowHeight_ = 0;
  int32_t titleHeight_ = 0;
  int32_t x1_, y1_, x2_, y2_;
  int32_t columnCount_ = 0;
  int32_t rowCount_ = 0;
  int32_t cursor_ = kNoRow;
  int32_t frameColor_ = 0, frameBackColor_ = 0;
  uint8_t frameWidth_ = 0, frameStyle_ = 0;
  int32_t ruleColor_ = 0, ruleBackColor_ = 0;
  uint8_t ruleWidth_ = 0, ruleStyle_ = 0;
  bool hasTitle_ = false;
};

}  // namespace zelmo::listbox
