// Random sequences of every model operation on small list boxes, checked after each operation
// against a naive reference (a vector of slots, linear scans, 64-bit arithmetic wrapped by hand)
// on what drawAll draws, and against the invariants: at most one row marked, and that one the
// cursor; every position within -1..rowCount-1; the title row at 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gx/Recorder.h"
#include "listbox/ListBoxTestSupport.h"
#include "platform/DrawingService.h"

namespace zelmo::test {
namespace {

using listbox::CellText;
using listbox::ListBoxModel;
using listbox::ListBoxRow;

int64_t w32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }
int64_t w16(int64_t v) {
  const int64_t low = ((v % 65536) + 65536) % 65536;
  return low >= 32768 ? low - 65536 : low;
}

struct Slot {
  int32_t position = -1;
  bool selected = false, isTitle = false;
  int32_t textColor = 0, backColor = 0;
  uint32_t font = 0;
  int64_t titleHeight = 0;
  int64_t frameWidth = 0, ruleWidth = 0;
  std::vector<std::u16string> cells;
};

// The list box as its description reads, with the sound departures, written the plain way.
struct Reference {
  explicit Reference(const ModelSpec& spec)
      : rows(spec.rows), widths(spec.widths), x1(spec.x1), y1(spec.y1), x2(spec.x2), y2(spec.y2) {
    for (int32_t c : spec.capacities) caps.push_back(std::max(c, 1));
    Slot blank;
    blank.textColor = 0x111111, blank.backColor = 0x222222, blank.font = 9;
    blank.cells.assign(widths.size(), u"");
    slots.assign(static_cast<size_t>(rows), blank);
    rowHeight = w16(rows >= 1 ? w32(w32(y2 - y1) + 1) / rows : w32(w32(y2 - y1) + 1));
  }

  int32_t firstFree() const {
    for (size_t s = 0; s < slots.size(); ++s)
      if (slots[s].position == -1) return static_cast<int32_t>(s);
    return -1;
  }
  int32_t at(int32_t position) const {
    if (position == -1) return -1;
    for (size_t s = 0; s < slots.size(); ++s)
      if (slots[s].position == position) return static_cast<int32_t>(s);
    return -1;
  }
  void write(int32_t s, int32_t position, const std::vector<CellText>& texts) {
    slots[s].position = position;
    for (size_t i = 0; i < texts.size() && i < widths.size(); ++i) {
      if (!texts[i].chars) continue;
      std::u16string t(texts[i].chars,
                       static_cast<size_t>(std::clamp(texts[i].length, 0, caps[i])));
      slots[s].cells[i] = t.substr(0, t.find(u'\0'));
    }
  }
  void setTitle(const std::vector<CellText>& texts, uint32_t font, int32_t tc, int32_t bc,
                int32_t height) {
    hasTitle = true;
    int32_t s = -1;
    for (size_t i = 0; i < slots.size(); ++i)
      if (slots[i].isTitle && s == -1) s = static_cast<int32_t>(i);
    if (s == -1) s = firstFree();
    if (s != -1) {
      write(s, 0, texts);
      slots[s].textColor = tc, slots[s].backColor = bc, slots[s].isTitle = true;
      slots[s].font = font;
    }
    titleHeight = w16((frameWidth + 1) / 2 + height + (ruleWidth + 1) / 2);
    for (Slot& slot : slots) slot.titleHeight = titleHeight;
    rowHeight = rows >= 2 ? w16(w32(w32(y2 - y1) + 1 - titleHeight) / (rows - 1)) : 0;
  }
  void setFrame(int32_t c, int32_t bc, uint8_t width, uint8_t style) {
    frameColor = c, frameBack = bc, frameWidth = width, frameStyle = style;
    const int64_t whole = w32(w32(y2 - y1) + 1 - width);
    rowHeight = w16(rows >= 1 ? whole / rows : whole);
    for (Slot& slot : slots) {
      slot.frameWidth = width;
      if (hasTitle) slot.titleHeight = w16(slot.titleHeight + width / 2);
    }
  }
  void setRule(int32_t c, int32_t bc, uint8_t width, uint8_t style) {
    ruleColor = c, ruleBack = bc, ruleWidth = width, ruleStyle = style;
    for (Slot& slot : slots) {
      slot.ruleWidth = width;
      if (hasTitle) slot.titleHeight = w16(slot.titleHeight + width / 2);
    }
  }
  int32_t insertRow(const std::vector<CellText>& texts, bool atTop) {
    const int32_t first = hasTitle ? 1 : 0;
    for (Slot& slot : slots) {
      if (slot.position == -1 || (hasTitle && slot.position == 0)) continue;
      slot.position += atTop ? 1 : -1;
      if (slot.position < first || slot.position >= rows) slot.position = -1, slot.selected = false;
    }
    const int32_t position = atTop ? first : rows - 1;
    if (position < first || position >= rows) return -1;
    const int32_t taken = firstFree();
    if (taken == -1) return -1;
    if (cursor == taken) {
      int32_t pick = 0;
      for (int32_t s = 1; s < rows; ++s) {
        if (atTop && slots[s].position > slots[pick].position) pick = s;
        if (!atTop && slots[s].position == first) pick = s;
      }
      slots[pick].selected = true;
      cursor = pick;
      slots[taken].selected = false;
    }
    write(taken, position, texts);
    return position;
  }
  void setCursor(int32_t position) {
    if (const int32_t s = at(position); s != -1) {
      for (Slot& slot : slots) slot.selected = false;
      slots[s].selected = true;
      cursor = s;
      return;
    }
    if (cursor != -1 || rows == 0) return;
    int32_t pick = 0;
    for (int32_t s = 1; s < rows; ++s) {
      const int32_t p = slots[s].position;
      if ((hasTitle && slots[pick].position == 0) || (p != -1 && p < slots[pick].position))
        pick = s;
    }
    if (slots[pick].position != -1) slots[pick].selected = true, cursor = pick;
  }

  void draw(int32_t layer) const {
    osGXdrawRectangle(x1, y1, x2, y2, 1, 1, 0x222222, 0x222222, 0, 0, 0);
    for (size_t s = 0; s < slots.size(); ++s) drawSlot(layer, slots[s]);
    if (ruleWidth != 0) {
      int64_t d =
          hasTitle && rows > 0 ? w16((frameWidth + 1) / 2 + slots[0].titleHeight) : rowHeight;
      for (int32_t i = 0; i < rows - 1; ++i, d = w16(d + rowHeight)) {
        const auto y = static_cast<int32_t>(w32(y1 + d));
        osGXdrawLine(x1, y, x2, y, static_cast<uint16_t>(ruleWidth),
                     static_cast<uint16_t>(ruleStyle), ruleColor, ruleBack, 0);
      }
    }
    if (frameWidth != 0)
      osGXdrawRectangle(x1, y1, x2, y2, static_cast<int32_t>(frameWidth), frameStyle, frameColor,
                        frameBack, 0, 0, 0);
  }
  void drawSlot(int32_t layer, const Slot& r) const {
    if (r.position == -1) return;
    const int64_t t = r.titleHeight, hf = (r.frameWidth + 1) / 2, hr = (r.ruleWidth + 1) / 2;
    const int64_t q = t != 0 ? r.position - 1 : r.position;
    const auto y = [](int64_t v) { return static_cast<int32_t>(w16(v)); };
    int32_t colour = r.textColor;
    int32_t top, bottom;
    if (r.isTitle) {
      osGXdrawRectangle(x1, y(y1 + hf), x2, y(y1 + t + hf), 1, 0, r.backColor, r.backColor, 0, 0,
                        0);
      top = y(y1 + hf + 1);
      bottom = y(top + t - 1 - hr);
    } else {
      if (r.selected) {
        const int32_t bar = r.backColor ^ 0xFFFFFF;
        osGXdrawRectangle(x1, y(q * rowHeight + y1 + t + hf), x2,
                          y(q * rowHeight + y1 + t + rowHeight + hf), 1, 0, bar, bar, 0, 0, 0);
        colour ^= 0xFFFFFF;
      }
      top = y(q * rowHeight + y1 + t + hr + hf + 1);
      bottom = y(top + rowHeight - hr);
    }
    const TEXTCOL colours{colour, static_cast<int32_t>(0x80000000u), 0};
    TEXTATTRIB attributes{};
    attributes.option3 = attributes.option4 = attributes.option5 = 1;
    int64_t cx = x1;
    for (size_t i = 0; i < widths.size(); ++i) {
      const int64_t left = w32(cx + 11);
      int64_t right = w32(left + widths[i]);
      if (right > w32(int64_t{x2} - 10)) {
        right = w32(int64_t{x2} - 10);
        if (left >= right) break;
      }
      const POINTRECT box{static_cast<int32_t>(left), top, static_cast<int32_t>(right), bottom};
      osGXtext(layer, &box, &colours, &attributes, r.font, r.cells[i].data(),
               static_cast<int32_t>(r.cells[i].size()), false);
      cx = right;
    }
  }

  int32_t rows;
  std::vector<int32_t> widths, caps;
  int32_t x1, y1, x2, y2;
  std::vector<Slot> slots;
  int64_t rowHeight = 0, titleHeight = 0;
  int32_t cursor = -1;
  bool hasTitle = false;
  int32_t frameColor = 0, frameBack = 0, ruleColor = 0, ruleBack = 0;
  int64_t frameWidth = 0, frameStyle = 0, ruleWidth = 0, ruleStyle = 0;
};

class ListBoxProperty : public ::testing::Test {
 protected:
  ListBoxProperty() { gx::installService(&recorder); }
  ~ListBoxProperty() override { gx::installService(nullptr); }
  template <typename Draw>
  std::vector<std::string> drawn(Draw draw) {
    recorder.clear();
    draw();
    return recorder.lines();
  }
  gx::Recorder recorder;
};

void expectInvariants(const ListBoxModel& m, const std::string& where) {
  const auto marked = selectedSlots(m);
  ASSERT_LE(marked.size(), 1u) << where;
  if (!marked.empty()) {
    EXPECT_EQ(marked[0], m.cursorSlot()) << where;
  }
  for (int32_t s = 0; s < m.rowCount(); ++s) {
    const ListBoxRow& row = m.row(s);
    EXPECT_TRUE(row.position >= -1 && row.position < m.rowCount()) << where << " slot " << s;
    if (row.isTitle) {
      EXPECT_EQ(row.position, 0) << where << " slot " << s;
    }
  }
}

TEST_F(ListBoxProperty, RandomOperationsMatchTheReference) {
  std::mt19937 random(20261206);
  const auto pick = [&](int32_t lo, int32_t hi) {
    return std::uniform_int_distribution<int32_t>(lo, hi)(random);
  };
  for (int sequence = 0; sequence < 60; ++sequence) {
    ModelSpec spec;
    spec.rows = pick(0, 6);
    const int32_t columns = pick(1, 3);
    spec.widths.clear(), spec.capacities.clear();
    for (int32_t i = 0; i < columns; ++i) {
      spec.widths.push_back(pick(-5, 90));
      spec.capacities.push_back(pick(0, 4));  // 0 counts as 1
    }
    spec.x1 = pick(-20, 20), spec.y1 = pick(-20, 20);
    spec.x2 = spec.x1 + pick(0, 200), spec.y2 = spec.y1 + pick(0, 120);
    auto model = spec.make();
    Reference ref(spec);
    const bool withTitle = pick(0, 1) == 1;

    std::vector<std::u16string> storage(3);
    std::vector<CellText> texts;
    const auto randomTexts = [&] {
      texts.assign(static_cast<size_t>(pick(0, columns)), CellText{});
      for (size_t i = 0; i < texts.size(); ++i) {
        storage[i].clear();
        for (int32_t n = pick(0, 6); n > 0; --n) storage[i].push_back(u"ab\0c"[pick(0, 3)]);
        if (pick(0, 4) != 0)
          texts[i] = CellText{storage[i].data(), static_cast<int32_t>(storage[i].size())};
      }
      return listbox::CellTexts(texts);
    };
    const auto position = [&] { return pick(-2, spec.rows + 1); };

    std::ostringstream log;
    for (int step = 0, steps = pick(1, 200); step < steps; ++step) {
      const int32_t op = pick(0, 12);
      log << op << ' ';
      switch (op) {
        case 0:
          if (!withTitle) break;
          [[fallthrough]];
        case 1: {
          if (op == 1 && pick(0, 3) != 0) break;
          const auto t = randomTexts();
          const int32_t height = pick(0, 20);
          model->setTitle(t, 5, 0x333333, 0x444444, height);
          ref.setTitle(texts, 5, 0x333333, 0x444444, height);
          break;
        }
        case 2: {
          const auto w = static_cast<uint8_t>(pick(0, 4)), st = static_cast<uint8_t>(pick(0, 2));
          model->setFrame(0x0A, 0x0B, w, st);
          ref.setFrame(0x0A, 0x0B, w, st);
          break;
        }
        case 3: {
          const auto w = static_cast<uint8_t>(pick(0, 3)), st = static_cast<uint8_t>(pick(0, 2));
          model->setRule(0x0C, 0x0D, w, st);
          ref.setRule(0x0C, 0x0D, w, st);
          break;
        }
        case 4:
        case 5: {
          const auto t = randomTexts();
          ASSERT_EQ(model->insertRow(t, op == 4), ref.insertRow(texts, op == 4)) << log.str();
          break;
        }
        case 6: {
          const int32_t p = position();
          const auto t = randomTexts();
          model->setRowContent(p, t);
          if (p != -1)
            for (size_t s = 0; s < ref.slots.size(); ++s)
              if (ref.slots[s].position == p) ref.write(static_cast<int32_t>(s), p, texts);
          break;
        }
        case 7: {
          const int32_t p = position();
          const auto t = randomTexts();
          model->setContents(t, p);
          if (p >= 0 && p < spec.rows && ref.firstFree() != -1)
            ref.write(ref.firstFree(), p, texts);
          break;
        }
        case 8: {
          const int32_t p = position(), c = pick(0, 0xFFFFFF);
          model->setRowColor(p, c, c ^ 0x5A5A5A);
          if (const int32_t s = ref.at(p); s != -1)
            ref.slots[s].textColor = c, ref.slots[s].backColor = c ^ 0x5A5A5A;
          break;
        }
        case 9:
          model->wipeOut();
          for (Slot& slot : ref.slots)
            if (!slot.isTitle) slot.position = -1, slot.selected = false;
          break;
        case 10: {
          const int32_t p = position();
          model->setCursor(p);
          ref.setCursor(p);
          break;
        }
        case 11:
          model->resetCursor();
          if (ref.cursor != -1) ref.slots[ref.cursor].selected = false, ref.cursor = -1;
          break;
        default:
          model->removeRow(pick(-1, 3));
          if (const int32_t s = ref.firstFree(); s != -1)
            for (auto& cell : ref.slots[s].cells) cell.assign(1, u' ');
          break;
      }
      const std::string where = "sequence " + std::to_string(sequence) + " ops " + log.str();
      expectInvariants(*model, where);
      ASSERT_EQ(drawn([&] { model->drawAll(2); }), drawn([&] { ref.draw(2); })) << where;
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace zelmo::test
