// Natives of uxclasses/graphics/CuxPolyLine: an open chain of points with optional line ends.
// `basePoints` holds the design-time points, `points` the placed ones: moves and resizes start
// again from `basePoints`, rotation turns `points` in place, and every change of `points` asks
// the object to refresh its box through the virtual updateCorePts()V.
//
// Counts never exceed the whole pairs of the arrays that are read or written, and a null array
// touches no point; the upcalls happen regardless. Upcalls may move the object or replace its
// arrays, so fields are read afresh after each.
#include <algorithm>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "bridge/Upcalls.h"
#include "geometry/IntMath.h"
#include "geometry/PointListResize.h"
#include "geometry/PointListRotation.h"
#include "platform/CoreServices.h"
#include "platform/DrawingService.h"
#include "records/PolyLineRecord.h"

namespace zelmo {
namespace {

namespace g = GraphicsFields;
namespace f = PolyLineFields;

// The placed points, and the design-time ones when a native reads them too; count is bounded by
// every array in use.
struct PolyPoints {
  int32_t* points;
  const int32_t* base;
  int32_t count;
};

PolyPoints placedPoints(Storage self) {
  const IntArray points = intArray(fieldsOf(f::points.read(self)));
  const int32_t count = std::clamp(f::pointCount.read(self), 0, points.length / 2);
  return {count > 0 ? points.elements : nullptr, nullptr, count};
}

PolyPoints placedAndBasePoints(Storage self) {
  PolyPoints p = placedPoints(self);
  const IntArray base = intArray(fieldsOf(f::basePoints.read(self)));
  p.count = std::min(p.count, base.length / 2);
  p.base = p.count > 0 ? base.elements : nullptr;
  if (p.count == 0) p.points = nullptr;
  return p;
}

Point pointField(Storage self, const IntField& x, const IntField& y) {
  return {x.read(self), y.read(self)};
}
void writePoint(Storage self, const IntField& x, const IntField& y, Point p) {
  x.write(self, p.x);
  y.write(self, p.y);
}

const TrigFunctions kCoreTrig{osUTfastsin, osUTfastcos, osUTsqrt};

// Turns the placed points about (rotationX, rotationY), which stays put; the centre follows.
void turnAboutRotationPoint(Storage self, int32_t angle) {
  const PolyPoints p = placedPoints(self);
  const Point pivot = pointField(self, g::rotationX, g::rotationY);
  const auto centre = rotatePointList(turnOf(angle, kCoreTrig), p.count, pivot, pivot, p.points,
                                      p.points, osUTsqrt);
  if (centre) writePoint(self, g::centerX, g::centerY, *centre);
}

void refreshBox(jref self) { upcall::updateCorePts(fieldsOf(self), 0); }

// draw(I)V: a dot, a line or a polyline; the layer is not read.
void draw() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  const PolyPoints p = placedPoints(self);
  const int32_t lineWidth = g::lineWidth.read(self);
  const uint16_t lineStyle = low16(g::lineStyle.read(self));
  const int32_t lineColor = g::lineColor.read(self);
  const int32_t backColor = g::backColor.read(self);
  const uint8_t lineEnd = f::lineEnd.read(self);
  if (p.count == 0) return;
  if (p.count == 1) {
    // A square of side lineWidth at the box corner; a width of 0 or less gives an inverted one.
    const int32_t x = sub32(g::x1.read(self), lineWidth / 2);
    const int32_t y = sub32(g::y1.read(self), lineWidth / 2);
    osGXfillRectangle(x, y, lastOf(x, lineWidth), lastOf(y, lineWidth), 0, lineColor, 1, 0, 0, 0,
                      0);
    return;
  }
  if (p.count == 2) {
    osGXdrawLine(p.points[0], p.points[1], p.points[2], p.points[3], low16(lineWidth), lineStyle,
                 lineColor, backColor, lineEnd);
    return;
  }
  osGXdrawPolyline(p.count, reinterpret_cast<const APOINT*>(p.points), low16(lineWidth), lineStyle,
                   lineColor, backColor, lineEnd);
}

// The box grown to hold the segment's drawn line, ends included.
void widenForSegment(Storage self, const int32_t* points, int32_t from, int32_t to) {
  POINTRECT r{};
  osGXgetLineBoundingRect({points[2 * from], points[2 * from + 1]},
                          {points[2 * to], points[2 * to + 1]},
                          static_cast<uint8_t>(g::lineWidth.read(self)), &r);
  g::x1.write(self, std::min(g::x1.read(self), r.x1));
  g::y1.write(self, std::min(g::y1.read(self), r.y1));
  g::x2.write(self, std::max(g::x2.read(self), r.x2));
  g::y2.write(self, std::max(g::y2.read(self), r.y2));
}

// updateCorePts()V: the box around the points, widened for line ends and thick lines.
void updateCorePts() {
  const ManagedFrame frame;
  const Storage self = frame.thisFields();
  if (!self) return;
  const PolyPoints p = placedPoints(self);
  const int32_t n = p.count;
  const std::optional<Box> box = pointListBox(p.points, n);
  if (!box) return;
  g::x1.write(self, box->x1);
  g::y1.write(self, box->y1);
  g::x2.write(self, box->x2);
  g::y2.write(self, box->y2);
  if (n >= 2) {
    const uint8_t lineEnd = f::lineEnd.read(self);
    if (lineEnd == 2 || lineEnd == 3) widenForSegment(self, p.points, 1, 0);
    if (lineEnd == 1 || lineEnd == 3) widenForSegment(self, p.points, n - 2, n - 1);
  }
  if (g::lineWidth.read(self) > 4) {
    g::x1.write(self, sub32(g::x1.read(self), 1));
    g::y1.write(self, sub32(g::y1.read(self), 1));
    g::x2.write(self, add32(g::x2.read(self), 1));
    g::y2.write(self, add32(g::y2.read(self), 1));
  }
}

// setPosition(II)V: the design-time box's top-left goes to (x, y); a rotated polyline is turned
// again by its angle about its placed rotation point.
void setPosition() {
  const ManagedFrame frame;
  const int32_t x = frame.intArg(0);
  const int32_t y = frame.intArg(1);
  const jref self = frame.refArg(0);
  if (!fieldsOf(self)) return;
  upcall::setPosition(fieldsOf(self), x, y, 1);

  Storage s = fieldsOf(self);
  const int32_t dx = sub32(x, g::origX1.read(s));
  const int32_t dy = sub32(y, g::origY1.read(s));
  const PolyPoints p = placedAndBasePoints(s);
  for (int32_t i = 0; i < p.count; ++i) {
    p.points[2 * i] = wrap16(add32(p.base[2 * i], dx));
    p.points[2 * i + 1] = wrap16(add32(p.base[2 * i + 1], dy));
  }
  g::rotationX.write(s, wrap16(add32(g::origRotationX.read(s), dx)));
  g::rotationY.write(s, wrap16(add32(g::origRotationY.read(s), dy)));
  refreshBox(self);

  s = fieldsOf(self);
  g::centerX.write(s, wrap16(add32(g::origCenterX.read(s), sub32(x, g::origX1.read(s)))));
  g::centerY.write(s, wrap16(add32(g::origCenterY.read(s), sub32(y, g::origY1.read(s)))));
  if (g::rotated.read(s) == 0) return;
  turnAboutRotationPoint(s, g::angle.read(s));
  refreshBox(self);
}

// rotatePoints(I)V: turns the placed points; angle and rotated are the managed side's to keep.
void rotatePoints() {
  const ManagedFrame frame;
  const int32_t angle = frame.intArg(0);
  const jref self = frame.refArg(0);
  const Storage s = fieldsOf(self);
  if (!s) return;
  turnAboutRotationPoint(s, angle);
  refreshBox(self);
}

// resizePoints(IBIB)V: the resized axes of `points` from `basePoints`, against the current box,
// which the managed resize has already set. Percentages keep 16 bits.
void resizePoints() {
  const ManagedFrame frame;
  const AxisResize horizontal{frame.byteArg(1), wrap16(frame.intArg(0))};
  const AxisResize vertical{frame.byteArg(3), wrap16(frame.intArg(2))};
  const jref self = frame.refArg(0);
  const Storage s = fieldsOf(self);
  if (!s) return;
  const PolyPoints p = placedAndBasePoints(s);
  const ResizeFrame resize{g::box(s), g::origBox(s), pointField(s, g::origCenterX, g::origCenterY),
                           pointField(s, g::centerX, g::centerY)};
  writePoint(s, g::centerX, g::centerY,
             scalePointList(p.count, p.base, p.points, resize, horizontal, vertical));
  refreshBox(self);
}

// movePoints(II)V: the design-time points plus (dx, -dy); the displacement counts upward.
void movePoints() {
  const ManagedFrame frame;
  const int32_t dx = frame.intArg(0);
  const int32_t dy = frame.intArg(1);
  const jref self = frame.refArg(0);
  const Storage s = fieldsOf(self);
  if (!s) return;
  const PolyPoints p = placedAndBasePoints(s);
  translatePointList(p.count, dx, dy, p.base, p.points);
  writePoint(s, g::rotationX, g::rotationY,
             translated(pointField(s, g::origRotationX, g::origRotationY), dx, dy));
  writePoint(s, g::centerX, g::centerY,
             translated(pointField(s, g::origCenterX, g::origCenterY), dx, dy));
  refreshBox(self);
}

constexpr NativeEntry kNatives[] = {
    {"draw(I)V", draw},
    {"updateCorePts()V", updateCorePts},
    {"setPosition(II)V", setPosition},
    {"rotatePoints(I)V", rotatePoints},
    {"resizePoints(IBIB)V", resizePoints},
    {"movePoints(II)V", movePoints},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPolyLine_init() {
  return zelmo::registerClass(zelmo::PolyLineFields::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxPolyLine", 763});
}
