// The group (complex object) natives, with every object moving at every upcall.
#include "support/UpcallLog.h"

namespace zelmo::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kGroup = "uxclasses/graphics/CuxComplexObj";
constexpr const char* kGraphics = "uxclasses/baseclasses/CuxGraphics";
constexpr const char* kMembersType = "[Luxclasses/baseclasses/CuxGraphics;";
constexpr const char* kBounds = "updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;";

class GroupNativesTest : public UpcallLogTest {
 protected:
  GroupNativesTest() { vm.relocateOnEveryCall = true; }

  // A plain graphic object (its managed methods are the generic stand-ins) on a design box that
  // is also its current box.
  jref member(const std::string& n, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
              int32_t state = 0x06) {
    const jref m = vm.newObject(kGraphics);
    name(m, n);
    setFields(m, "x1 y1 x2 y2 origX1 origY1 origX2 origY2 state",
              {x1, y1, x2, y2, x1, y1, x2, y2, state});
    return m;
  }
  jref group(const std::string& n, std::vector<jref> members, int32_t x1 = 0, int32_t y1 = 0,
             int32_t x2 = 99, int32_t y2 = 99) {
    const jref g = vm.newObject(kGroup);
    name(g, n);
    setFields(g, "x1 y1 x2 y2 origX1 origY1 origX2 origY2 state",
              {x1, y1, x2, y2, x1, y1, x2, y2, 0x06});
    setMembers(g, members);
    return g;
  }
  void setMembers(jref g, const std::vector<jref>& members) {
    vm.setRef(g, "children", vm.newRefArray(members, kMembersType));
  }
  Lines run(jref g, const char* signature, std::initializer_list<vm::Arg> args = {}) {
    clearEvents();
    call(kGroup, signature, g, args);
    return events();
  }
};

TEST_F(GroupNativesTest, DrawPicksEachMembersLookByItsState) {
  const jref a = member("a", 0, 0, 9, 9);
  const jref hidden = member("hidden", 0, 0, 9, 9, 0x02);
  const jref c = member("c", 0, 0, 9, 9, 0x06 | 0x40 | 0x10 | 0x20);
  vm.setByte(c, "hasBackground", 1);
  const jref d = member("d", 0, 0, 9, 9, 0x06 | 0x10);
  const jref e = vm.newObject("uxclasses/graphics/CuxEllipse");
  name(e, "e");
  setFields(e, "x1 y1 x2 y2 state lineColor lineStyle lineWidth", {1, 2, 30, 40, 6, 9, 1, 1});
  const jref g = group("g", {a, hidden, c, 0, d, e});
  EXPECT_EQ(run(g, "draw(I)V", {I(5)}),
            (Lines{"upcall draw(I)V on a 5", "upcall drawBackground(I)V on c 5",
                   "upcall drawSecured(I)V on c 5", "upcall drawBadQuality(I)V on c 5",
                   "upcall drawDisabled(I)V on d 5", "upcall draw(I)V on e 5",
                   // the ellipse's own native draws it
                   "osGXdrawEllipse(1,2,30,40,9,1,1,0)"}));
  // Every member visited is marked, drawn or not.
  for (const jref m : {a, hidden, c, d, e}) EXPECT_EQ(vm.getInt(m, "state") & 0x08, 0x08);
  // The group's own reverse bit turns plain draws into reverse ones.
  vm.setInt(g, "state", 0x07);
  run(g, "draw(I)V", {I(0)});
  EXPECT_EQ(upcalls(), (Lines{"upcall drawReverse(I)V on a 0", "upcall drawBackground(I)V on c 0",
                              "upcall drawSecured(I)V on c 0", "upcall drawBadQuality(I)V on c 0",
                              "upcall drawDisabled(I)V on d 0", "upcall drawReverse(I)V on e 0"}));
}

TEST_F(GroupNativesTest, ResizeShiftsThenResizesEachMemberAndTakesUpTheirBox) {
  const jref p = member("p", 50, 10, 59, 19);
  const jref q = member("q", 0, 0, 9, 9);
  const jref g = group("g", {p, 0, q}, 0, 0, 59, 19);  // the members' box
  const Lines expected = {"upcall shift(II)V on p 1 0", "upcall resize(IB)V on p 100 6",
                          "upcall shift(II)V on q 0 0", "upcall resize(IB)V on q 100 6",
                          std::string("upcall ") + kBounds + " on g"};
  // Absolute: a second resize gives the same calls and boxes.
  for (int twice = 0; twice < 2; ++twice) {
    EXPECT_EQ(run(g, "resize(IB)V", {I(100), B(6)}), expected);
    EXPECT_EQ(ints(p, "x1 y1 x2 y2"), (std::vector<int32_t>{51, 10, 60, 19}));
    EXPECT_EQ(ints(g, "x1 y1 x2 y2"), (std::vector<int32_t>{0, 0, 60, 19}));
  }
  // Half the height, bottom kept: p's bottom stays, q moves down (a negative upward shift).
  run(g, "resize(IB)V", {I(50), B(3)});
  EXPECT_EQ(upcalls()[0], "upcall shift(II)V on p 1 0");
  EXPECT_EQ(upcalls()[2], "upcall shift(II)V on q 0 -5");
}

TEST_F(GroupNativesTest, AMemberGroupResizesItsOwnMembers) {
  const jref inner = group("inner", {member("m", 20, 20, 29, 29)}, 20, 20, 29, 29);
  const jref g = group("g", {inner});
  const Lines events = run(g, "resize(IB)V", {I(200), B(6)});
  EXPECT_EQ(events, (Lines{"upcall shift(II)V on inner 20 0", "upcall resize(IB)V on inner 200 6",
                           "upcall shift(II)V on m 20 0", "upcall resize(IB)V on m 200 6",
                           std::string("upcall ") + kBounds + " on inner",
                           std::string("upcall ") + kBounds + " on g"}));
}

TEST_F(GroupNativesTest, SetPositionAndRotationPointGoToEveryMember) {
  const jref a = member("a", 15, 25, 24, 34);
  const jref b = member("b", 30, 20, 49, 59);
  const jref g = group("g", {a, 0, b}, 10, 20, 49, 59);
  EXPECT_EQ(run(g, "setPosition(II)V", {I(200), I(300)}),
            (Lines{"upcall setPosition(II)V on a 205 305", "upcall setPosition(II)V on b 220 300",
                   std::string("upcall ") + kBounds + " on g"}));
  EXPECT_EQ(ints(g, "x1 y1 x2 y2"), (std::vector<int32_t>{205, 300, 239, 339}));
  // The offsets are cut to 16 bits.
  run(g, "setPosition(II)V", {I(65741), I(300)});
  EXPECT_EQ(upcalls().front(), "upcall setPosition(II)V on a 205 305");

  // Group centre (222, 319) plus (3, -4); each member gets that point less its own centre.
  EXPECT_EQ(
      run(g, "setRotationPoint(II)V", {I(3), I(-4)}),
      (Lines{"upcall setRotationPoint(II)V on a 16 6", "upcall setRotationPoint(II)V on b -4 -4"}));
  EXPECT_EQ(ints(g, "rotationOffsetX rotationOffsetY"), (std::vector<int32_t>{3, -4}));
  EXPECT_EQ(ints(a, "rotationX rotationY"), (std::vector<int32_t>{225, 315}));
}

TEST_F(GroupNativesTest, BoundingRectangleStartsFromTheFirstMember) {
  const jref a = member("a", -50, -40, -10, -20);
  vm.setByte(a, "lineWidth", 3);
  const jref b = member("b", -30, -60, -15, -35);
  vm.setByte(b, "lineWidth", -2);
  const jref g = group("g", {0, a, b});
  clearEvents();
  EXPECT_EQ(call(kGroup, kBounds, g).ref(), g);
  EXPECT_EQ(ints(g, "x1 y1 x2 y2 lineWidth"), (std::vector<int32_t>{-50, -60, -10, -20, 3}));
  setMembers(g, {});
  EXPECT_EQ(call(kGroup, kBounds, g).ref(), g);
  EXPECT_EQ(ints(g, "x1 y1 x2 y2 lineWidth"), (std::vector<int32_t>{32767, 32767, -1, -1, 0}));
  vm.setRef(g, "children", 0);
  setFields(g, "x1 y1 x2 y2", {1, 2, 3, 4});
  EXPECT_EQ(call(kGroup, kBounds, g).ref(), g);
  EXPECT_EQ(ints(g, "x1 y1 x2 y2"), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_TRUE(upcalls().empty());
}

TEST_F(GroupNativesTest, WithoutMembersNothingIsCalledButTheOffsetsAreKept) {
  const jref g = group("g", {});
  for (const jref children : {vm.getRef(g, "children"), jref{0}}) {
    vm.setRef(g, "children", children);
    EXPECT_TRUE(run(g, "draw(I)V", {I(0)}).empty());
    EXPECT_TRUE(run(g, "setRotationPoint(II)V", {I(7), I(8)}).empty());
    EXPECT_EQ(ints(g, "rotationOffsetX rotationOffsetY"), (std::vector<int32_t>{7, 8}));
  }
  // Null children: no box update at all; an empty array still takes up its (empty) box.
  EXPECT_TRUE(run(g, "resize(IB)V", {I(50), B(1)}).empty());
  EXPECT_TRUE(run(g, "setPosition(II)V", {I(5), I(5)}).empty());
  EXPECT_TRUE(run(g, "rotatePoints(I)V", {I(1570)}).empty());
  setMembers(g, {});
  EXPECT_EQ(run(g, "rotatePoints(I)V", {I(1570)}),
            Lines{std::string("upcall ") + kBounds + " on g"});
  for (const char* sig : {"draw(I)V", "rotatePoints(I)V"}) call(kGroup, sig, std::nullopt, {I(0)});
  call(kGroup, "resize(IB)V", std::nullopt, {I(1), B(1)});
  EXPECT_EQ(call(kGroup, kBounds, std::nullopt).ref(), 0u);
}

// A member whose draw replaces the group's members with a shorter array ends the walk.
jref gGroupToRearrange = 0;
TEST_F(GroupNativesTest, AWalkStopsWhenAnUpcallReplacesTheMembers) {
  vm.defineClass("test/Rearranger", kGraphics, {});
  vm.defineMethod("test/Rearranger", "draw(I)V", [](vm::Frame& f) {
    const jref one[] = {f.self()};
    f.vm().setRef(gGroupToRearrange, "children",
                  f.vm().newRefArray(one, "[Luxclasses/baseclasses/CuxGraphics;"));
  });
  const jref r = vm.newObject("test/Rearranger");
  name(r, "r");
  vm.setInt(r, "state", 6);
  const jref last = member("last", 0, 0, 1, 1);
  const jref g = group("g", {member("first", 0, 0, 1, 1), r, last});
  gGroupToRearrange = g;
  EXPECT_EQ(run(g, "draw(I)V", {I(0)}),
            (Lines{"upcall draw(I)V on first 0", "upcall draw(I)V on r 0"}));
  EXPECT_EQ(vm.getInt(r, "state") & 0x08, 0x08);
  EXPECT_EQ(vm.getInt(last, "state") & 0x08, 0);
}

TEST_F(GroupNativesTest, GroupsHoldingThemselvesEndQuickly) {
  // Directly: the member walk of g meets g again and returns at once.
  const jref g = group("g", {});
  setMembers(g, {g});
  run(g, "draw(I)V", {I(0)});
  EXPECT_EQ(upcalls(), Lines{"upcall draw(I)V on g 0"});
  run(g, "resize(IB)V", {I(50), B(1)});
  EXPECT_EQ(upcalls().size(), 3u);  // shift, resize refused, box
  run(g, "setPosition(II)V", {I(1), I(1)});
  run(g, "setRotationPoint(II)V", {I(1), I(1)});

  // Through another group, four times over each way: 4 walks of b, each refusing 4 of a.
  const jref a = group("a", {});
  const jref b = group("b", {a, a, a, a});
  setMembers(a, {b, b, b, b});
  run(a, "draw(I)V", {I(0)});
  EXPECT_EQ(upcalls().size(), 20u);

  // A chain of 40 nested groups: at most 32 walks nest.
  std::vector<jref> chain = {group("innermost", {member("m", 0, 0, 1, 1)})};
  for (int i = 0; i < 39; ++i) chain.push_back(group("level" + std::to_string(i), {chain.back()}));
  run(chain.back(), "draw(I)V", {I(0)});
  EXPECT_EQ(upcalls().size(), 32u);
}

}  // namespace
}  // namespace zelmo::test
