// Natives of uxclasses/graphics/CuxComplexObj: a group that draws, moves and resizes its members
// through their own managed methods, and keeps its box around theirs.
//
// The members array is read afresh at every use: an upcall may move the group or its members,
// or replace `children`. A walk reads the member count once and stops after a member whose
// upcalls left `children` null or of another length. A null member gets no upcall at all.
#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "bridge/Registrar.h"
#include "bridge/Upcalls.h"
#include "geometry/IntMath.h"
#include "geometry/ShapeGeometry.h"
#include "records/ComplexObjRecord.h"
#include "shapes/GroupWalk.h"

namespace zelmo {
namespace {

namespace g = GraphicsFields;
namespace c = ComplexObjFields;

namespace State {
constexpr int32_t kReverse = 0x01;
constexpr int32_t kShown = 0x02 | 0x04;  // both bits, or the member is not drawn
constexpr int32_t kVisited = 0x08;
constexpr int32_t kDisabled = 0x10;
constexpr int32_t kBadQuality = 0x20;
constexpr int32_t kSecured = 0x40;
}  // namespace State

// The group's members array as it is now; null when the group or its array is.
Storage membersOf(jref group) {
  const Storage self = fieldsOf(group);
  return self ? fieldsOf(c::children.read(self)) : nullptr;
}

// The length of the group's members array, or -1 when it has none.
int32_t memberCount(jref group) {
  const Storage array = membersOf(group);
  return array ? refArray(array).length : -1;
}

// Member i as the array holds it now; 0 past its end or without an array.
jref memberAt(jref group, int32_t i) { return refArray(membersOf(group)).at(i); }

// Calls visit(i) for each member index of the group. The walk goes on only while the array it
// started on still has its length. False, with no visit, when the group has no members array.
template <typename Visit>
bool forEachMember(jref group, Visit visit) {
  const int32_t n = memberCount(group);
  if (n < 0) return false;
  for (int32_t i = 0; i < n; ++i) {
    visit(i);
    if (memberCount(group) != n) break;
  }
  return true;
}

void drawMember(jref group, const ObjectHandle& member, int32_t layer) {
  if ((g::state.read(member.fields()) & State::kShown) == State::kShown) {
    if (g::hasBackground.read(member.fields()) != 0)
      upcall::drawBackground(member.fields(), layer, 0);
    const int32_t state = g::state.read(member.fields());
    if (state & State::kSecured) {
      upcall::drawSecured(member.fields(), layer, 0);
    } else if (state & State::kDisabled) {
      upcall::drawDisabled(member.fields(), layer, 0);
    } else if (g::state.read(fieldsOf(group)) & State::kReverse) {
      upcall::drawReverse(member.fields(), layer, 0);
    } else {
      upcall::draw(member.fields(), layer, 0);
    }
    if (g::state.read(member.fields()) & State::kBadQuality)
      upcall::drawBadQuality(member.fields(), layer, 0);
  }
  g::state.write(member.fields(), g::state.read(member.fields()) | State::kVisited);
}

// draw(I)V: every shown member in the look its state selects; every member is marked visited.
void draw() {
  const ManagedFrame frame;
  const int32_t layer = frame.intArg(0);
  const jref self = frame.refArg(0);
  const GroupWalk walk(self);
  if (!walk.allowed()) return;
  // The member being drawn stays reachable for the collector in a local slot.
  ObjectHandle member = ObjectHandle::newLocal();
  forEachMember(self, [&](int32_t i) {
    member.assign(ObjectHandle::direct(memberAt(self, i)));
    if (member.fields()) drawMember(self, member, layer);
  });
}

// resize(IB)V: each member is shifted to its place in the group's resized box, then resized by
// the same percentage and anchor; the group's box then follows its members.
void resize() {
  const ManagedFrame frame;
  const int32_t percent = frame.intArg(0);
  const int8_t code = frame.byteArg(1);
  const jref self = frame.refArg(0);
  const GroupWalk walk(self);
  if (!walk.allowed() || !fieldsOf(self)) return;
  const Box resized =
      resizeExtent(g::box(fieldsOf(self)), g::origBox(fieldsOf(self)), percent, code);
  const bool walked = forEachMember(self, [&](int32_t i) {
    if (const jref m = memberAt(self, i)) {
      const Point d =
          memberShift(g::origBox(fieldsOf(m)), g::origBox(fieldsOf(self)), resized, code);
      upcall::shift(fieldsOf(m), d.x, d.y, 0);
    }
    if (const jref m = memberAt(self, i)) upcall::resize(fieldsOf(m), percent, code, 0);
  });
  if (!walked) return;
  upcall::updateBoundingRectangle(fieldsOf(self), 0);
}

// setPosition(II)V: the group's box starts at (x, y); each member keeps its offset from it.
void setPosition() {
  const ManagedFrame frame;
  const int32_t x = frame.intArg(0);
  const int32_t y = frame.intArg(1);
  const jref self = frame.refArg(0);
  const GroupWalk walk(self);
  if (!walk.allowed()) return;
  const bool walked = forEachMember(self, [&](int32_t i) {
    if (const jref m = memberAt(self, i)) {
      const Storage group = fieldsOf(self);
      const Storage member = fieldsOf(m);
      upcall::setPosition(member, wrap16(add32(sub32(x, g::x1.read(group)), g::x1.read(member))),
                          wrap16(add32(sub32(y, g::y1.read(group)), g::y1.read(member))), 0);
    }
  });
  if (!walked) return;
  upcall::updateBoundingRectangle(fieldsOf(self), 0);
}

// setRotationPoint(II)V: one rotation point for all members, at (rx, ry) from the group's
// centre.
void setRotationPoint() {
  const ManagedFrame frame;
  const int32_t rx = frame.intArg(0);
  const int32_t ry = frame.intArg(1);
  const jref self = frame.refArg(0);
  const GroupWalk walk(self);
  if (!walk.allowed() || !fieldsOf(self)) return;
  c::rotationOffsetX.write(fieldsOf(self), rx);
  c::rotationOffsetY.write(fieldsOf(self), ry);
  const Box box = g::box(fieldsOf(self));
  const Point pivot{add32(centerOf(box.x1, box.x2), rx), add32(centerOf(box.y1, box.y2), ry)};
  forEachMember(self, [&](int32_t i) {
    if (const jref m = memberAt(self, i)) {
      const Box mb = g::box(fieldsOf(m));
      upcall::setRotationPoint(fieldsOf(m), sub32(pivot.x, centerOf(mb.x1, mb.x2)),
                               sub32(pivot.y, centerOf(mb.y1, mb.y2)), 0);
    }
  });
}

// rotatePoints(I)V: the members turn themselves; the group only takes up its new box.
void rotatePoints() {
  const ManagedFrame frame;
  const jref self = frame.refArg(0);
  if (memberCount(self) >= 0) upcall::updateBoundingRectangle(fieldsOf(self), 0);
}

// updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;: the box around the members'
// boxes and their widest line; returns this. The box starts from the first member's, so a group
// lying wholly above or left of -1 keeps its true edges; without members it is the empty box.
void updateBoundingRectangle() {
  const ManagedFrame frame;
  const jref self = frame.refArg(0);
  const Storage s = fieldsOf(self);
  if (s && memberCount(self) >= 0) {
    Box box{32767, 32767, -1, -1};
    int8_t lineWidth = 0;
    bool first = true;
    for (int32_t i = 0; i < memberCount(self); ++i) {
      const Storage m = fieldsOf(memberAt(self, i));
      if (!m) continue;
      const Box mb = g::box(m);
      if (first) box = mb;
      first = false;
      if (mb.x1 < box.x1) box.x1 = mb.x1;
      if (mb.y1 < box.y1) box.y1 = mb.y1;
      if (mb.x2 > box.x2) box.x2 = mb.x2;
      if (mb.y2 > box.y2) box.y2 = mb.y2;
      if (g::lineWidth.read(m) > lineWidth) lineWidth = g::lineWidth.read(m);
    }
    g::x1.write(s, box.x1);
    g::y1.write(s, box.y1);
    g::x2.write(s, box.x2);
    g::y2.write(s, box.y2);
    g::lineWidth.write(s, lineWidth);
  }
  frame.setRefResult(self);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
    {"resize(IB)V", resize},
    {"setPosition(II)V", setPosition},
    {"setRotationPoint(II)V", setRotationPoint},
    {"rotatePoints(I)V", rotatePoints},
    {"updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;", updateBoundingRectangle},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxComplexObj_init() {
  return zelmo::registerClass(zelmo::ComplexObjFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxComplexObj", 485});
}
