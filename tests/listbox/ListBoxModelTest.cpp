// The list box model on its own: cells, scrolling, the title, the cursor, row heights, drawing,
// the shapes it refuses, and the places where it departs from the letter of its description to
// stay sound (free slots are not rows, off-list rows take no slot, one selected row, one title).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "gx/Recorder.h"
#include "listbox/ListBoxTestSupport.h"

namespace zelmo::test {
namespace {

using listbox::CellText;
using listbox::ListBoxModel;

class ListBoxModelTest : public ::testing::Test {
 protected:
  ListBoxModelTest() { gx::installService(&recorder); }
  ~ListBoxModelTest() override { gx::installService(nullptr); }

  std::vector<std::string> draw(const ListBoxModel& m, int32_t layer = 4) {
    recorder.clear();
    m.drawAll(layer);
    return recorder.lines();
  }

  gx::Recorder recorder;
};

TEST_F(ListBoxModelTest, CellsKeepTheirTextUpToTheNulAndAtMostTheirCapacity) {
  using namespace std::literals;
  const struct {
    int32_t capacity;
    std::u16string_view text;
    int32_t length;
    std::u16string_view kept;
  } rows[] = {
      {3, u"abcde"sv, 5, u"abc"sv}, {3, u"ab"sv, 2, u"ab"sv}, {5, u"ab\0cd"sv, 5, u"ab"sv},
      {5, u"abcde"sv, 2, u"ab"sv},  {4, u"abc"sv, -3, u""sv}, {0, u"xyz"sv, 3, u"x"sv},
      {-9, u"xyz"sv, 3, u"x"sv},
  };
  for (const auto& r : rows) {
    ModelSpec spec{.rows = 1, .capacities = {r.capacity}};
    auto m = spec.make();
    const CellText text{r.text.data(), r.length};
    m->setContents({&text, 1}, 0);
    EXPECT_EQ(m->cell(0, 0), r.kept) << "capacity " << r.capacity << " length " << r.length;
  }
}

TEST_F(ListBoxModelTest, RowHeightsFollowTitleFrameAndSixteenBits) {
  auto m = ModelSpec{.rows = 5, .y2 = 99}.make();
  EXPECT_EQ(m->rowHeight(), 20);
  m->setTitle(cells({u"T"}), 5, 0, 0, 16);
  EXPECT_EQ(m->rowHeight(), 21);
  m->setFrame(0, 0, 4, 1);  // a frame after the title forgets it
  EXPECT_EQ(m->rowHeight(), 19);
  EXPECT_EQ(m->row(0).titleHeight, 18);
  m->setRule(0, 0, 5, 1);
  EXPECT_EQ(m->rowHeight(), 19);
  EXPECT_EQ(m->row(0).titleHeight, 20);

  EXPECT_EQ((ModelSpec{.rows = 1, .y1 = 0, .y2 = 69999}.make()->rowHeight()), 4464);
  EXPECT_EQ((ModelSpec{.rows = 0, .y1 = 0, .y2 = 40000}.make()->rowHeight()), 40001 - 65536);
  // The 32-bit corners wrap instead of overflowing.
  EXPECT_EQ((ModelSpec{.rows = 1, .y1 = INT_MIN, .y2 = INT_MAX}.make()->rowHeight()), 0);
  auto corner = ModelSpec{.rows = 2, .y1 = INT_MAX, .y2 = INT_MIN}.make();
  corner->setTitle(cells({u"T"}), 5, 0, 0, INT_MAX);
  EXPECT_EQ(corner->titleHeight(), -1);
}

TEST_F(ListBoxModelTest, DrawsOutlineTitleRowsRulesAndFrame) {
  ModelSpec spec{.rows = 3, .widths = {40, 500, 10}, .capacities = {4, 4, 4}};
  spec.x1 = 10, spec.y1 = 20, spec.x2 = 209, spec.y2 = 79;
  auto m = spec.make();
  m->setFrame(0x0A0A0A, 0x0B0B0B, 2, 1);
  m->setTitle(cells({u"Name", u"Val", u"X"}), 5, 0x333333, 0x444444, 14);
  m->setRule(0x0C0C0C, 0x0D0D0D, 1, 1);
  m->insertRow(cells({u"Pump", u"On"}), true);
  m->insertRow(cells({u"Fan", u"Off"}), true);
  m->setCursor(2);
  m->setRowColor(2, 0x00112233, 0x00445566);
  const std::string attributes = "{0,0,0,1,1,1,0,0}";
  const std::string normal = "{1118481,2147483648,0}," + attributes + ",9,";
  const std::string inverted = "{15654348,2147483648,0}," + attributes + ",9,";  // 0xEEDDCC
  const std::string title = "{3355443,2147483648,0}," + attributes + ",5,";
  EXPECT_EQ(draw(*m), (std::vector<std::string>{
                          "osGXdrawRectangle(10,20,209,79,1,1,2236962,2236962,0,0,0)",
                          "osGXdrawRectangle(10,21,209,36,1,0,4473924,4473924,0,0,0)",
                          "osGXtext(4,{21,22,61,35}," + title + "\"Name\",4,false)",
                          // the second column is cut at x2 - 10, the third starts past it
                          "osGXtext(4,{72,22,199,35}," + title + "\"Val\",3,false)",
                          "osGXdrawRectangle(10,58,209,80,1,0,12298905,12298905,0,0,0)",
                          "osGXtext(4,{21,60,61,81}," + inverted + "\"Pump\",4,false)",
                          "osGXtext(4,{72,60,199,81}," + inverted + "\"On\",2,false)",
                          "osGXtext(4,{21,38,61,59}," + normal + "\"Fan\",3,false)",
                          "osGXtext(4,{72,38,199,59}," + normal + "\"Off\",3,false)",
                          "osGXdrawLine(10,36,209,36,1,1,789516,855309,0)",
                          "osGXdrawLine(10,58,209,58,1,1,789516,855309,0)",
                          "osGXdrawRectangle(10,20,209,79,2,1,657930,723723,0,0,0)",
                      }));
}

TEST_F(ListBoxModelTest, DrawingAtTheIntegerCornersWrapsTheYs) {
  ModelSpec spec{.rows = 3, .widths = {INT_MAX}, .capacities = {2}};
  spec.x1 = INT_MAX - 5, spec.y1 = INT_MAX - 5, spec.x2 = INT_MIN + 5, spec.y2 = INT_MAX;
  auto m = spec.make();
  m->setFrame(1, 1, 255, 1);
  m->setTitle(cells({u"T"}), 5, 0, 0, 30000);
  m->setRule(1, 1, 255, 1);
  m->insertRow(cells({u"A"}), true);
  m->setCursor(1);
  const auto calls = draw(*m);
  // outline, title bar and text, selection bar and text, two rules, frame
  ASSERT_EQ(calls.size(), 8u);
  EXPECT_EQ(calls[1], "osGXdrawRectangle(2147483642,122,-2147483643,30377,1,0,0,0,0,0,0)");
}

TEST_F(ListBoxModelTest, RefusedShapesMakeNoSlots) {
  const struct {
    const char* why;
    int32_t columns, rows;
    std::vector<int32_t> capacities;
  } refused[] = {
      {"negative columns", -1, 1, {}},       {"65 columns", 65, 1, std::vector<int32_t>(65, 1)},
      {"negative rows", 1, -1, {1}},         {"32768 rows", 1, 32768, {1}},
      {"short arrays", 3, 1, {1, 1}},        {"capacity INT_MAX", 1, 1, {INT_MAX}},
      {"over 16 MiB", 2, 32767, {127, 128}},
  };
  for (const auto& r : refused) {
    ModelSpec spec{.rows = r.rows,
                   .widths = std::vector<int32_t>(r.capacities.size(), 10),
                   .capacities = r.capacities};
    auto shape = spec.shape();
    shape.columnCount = r.columns;
    EXPECT_EQ(ListBoxModel::cellBytes(shape), -1) << r.why;
    const ListBoxModel m(shape);
    EXPECT_FALSE(m.ok()) << r.why;
    EXPECT_EQ(m.rowCount(), 0) << r.why;
  }
  ModelSpec largest{.rows = 8192, .widths = {10, 10}, .capacities = {511, 511}};
  EXPECT_EQ(ListBoxModel::cellBytes(largest.shape()), int64_t{16} << 20);
}

TEST_F(ListBoxModelTest, FreeSlotIsNotARow) {
  auto m = ModelSpec{.rows = 3}.make();
  m->setContents(cells({u"a"}), 0);
  m->setRowColor(-1, 0x0F0F0F, 0x0E0E0E);
  m->setRowContent(-1, cells({u"ghost"}));
  m->setCursor(-1);  // falls back to the top row, as setCursor does for any missing position
  EXPECT_EQ(m->cursorSlot(), 0);
  m->insertRow(cells({nullptr}), true);
  EXPECT_EQ(positions(*m), (std::vector<int32_t>{1, 0, -1}));
  EXPECT_EQ(m->row(1).textColor, 0x111111);
  EXPECT_EQ(m->row(1).backColor, 0x222222);
  EXPECT_FALSE(m->row(1).selected);
  EXPECT_EQ(m->cell(1, 0), u"");
}

TEST_F(ListBoxModelTest, RemoveRowChangesNothingVisible) {
  auto m = ModelSpec{.rows = 3, .capacities = {0}}.make();
  m->insertRow(cells({u"a"}), true);
  m->setCursor(0);
  const auto before = draw(*m);
  for (int32_t index : {0, 1, -1, INT_MAX}) m->removeRow(index);
  EXPECT_EQ(draw(*m), before);
  // It cleared a free slot: one space, the capacity of 0 counting as 1.
  EXPECT_EQ(m->cell(1, 0), u" ");
}

}  // namespace
}  // namespace zelmo::test
