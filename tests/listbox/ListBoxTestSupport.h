// Building list box models and cell texts for the model's own tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "listbox/ListBoxModel.h"

namespace zelmo::test {

// Cell texts from literals; nullptr stands for a null text.
inline std::vector<listbox::CellText> cells(std::initializer_list<const char16_t*> texts) {
  std::vector<listbox::CellText> out;
  for (const char16_t* t : texts)
    out.push_back(
        t ? listbox::CellText{t, static_cast<int32_t>(std::char_traits<char16_t>::length(t))}
          : listbox::CellText{});
  return out;
}

// A model of `rows` slots over the box (0, 0, 199, 99): spare 7, font 9, text 0x111111, back
// 0x222222, and one column per width with the capacities given.
struct ModelSpec {
  int32_t rows = 4;
  std::vector<int32_t> widths = {50};
  std::vector<int32_t> capacities = {8};
  int32_t x1 = 0, y1 = 0, x2 = 199, y2 = 99;

  listbox::ListBoxShape shape() const {
    listbox::ListBoxShape s;
    s.spareColor = 7;
    s.columnCount = static_cast<int32_t>(widths.size());
    s.rowCount = rows;
    s.x1 = x1, s.y1 = y1, s.x2 = x2, s.y2 = y2;
    s.fontHandle = 9;
    s.textColor = 0x111111;
    s.backColor = 0x222222;
    s.columnWidths = widths;
    s.capacities = capacities;
    return s;
  }
  std::unique_ptr<listbox::ListBoxModel> make() const {
    return std::make_unique<listbox::ListBoxModel>(shape());
  }
};

// Each slot's position in slot order.
inline std::vector<int32_t> positions(const listbox::ListBoxModel& m) {
  std::vector<int32_t> out;
  for (int32_t s = 0; s < m.rowCount(); ++s) out.push_back(m.row(s).position);
  return out;
}

// The slots marked selected.
inline std::vector<int32_t> selectedSlots(const listbox::ListBoxModel& m) {
  std::vector<int32_t> out;
  for (int32_t s = 0; s < m.rowCount(); ++s)
    if (m.row(s).selected) out.push_back(s);
  return out;
}

}  // namespace zelmo::test
