// Canvas arc and open-pie natives. The end points come from the start angle and start + extent
// (summed in 64 bits); a sector too small to draw as one falls back to a line or a triangle.
#include "canvas/CanvasNatives.h"
#include "canvas/Sectors.h"
#include "canvas/ShapeHelpers.h"
#include "geometry/ArcGeometry.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

// The ends of an arc given by its angles in whole degrees.
struct AngleArc {
  EllipseBox box;
  int32_t extent;
  APOINT p1, p2;
};

AngleArc angleArcArg(const ManagedFrame& frame) {
  const EllipseBox box = ellipseArg(frame, 0);
  const int32_t start = frame.intArg(4);
  const int32_t extent = frame.intArg(5);
  return {box, extent, box.atDegrees(start), box.atDegrees(int64_t{start} + extent)};
}

struct Stroke {
  int32_t color, backColor, lineWidth, lineStyle;
};

void chord(APOINT p1, APOINT p2, const Stroke& s) {
  osGXdrawLine(p1.x, p1.y, p2.x, p2.y, low16(s.lineWidth), low16(s.lineStyle), s.color, s.backColor,
               0);
}

void arc(const EllipseBox& box, APOINT p1, APOINT p2, const Stroke& s) {
  const POINTRECT ellipse = box.corners().rect();
  const POINTLINE ends{p1.x, p1.y, p2.x, p2.y};
  const POINTRECT bounds = arcBounds(box.centre(), ellipse, p1, p2, false);
  osGXdrawArc(&ellipse, &ends, s.color, s.backColor, low8(s.lineStyle), s.lineWidth, &bounds, true);
}

// The angle overloads: a line across a small sector, else the arc.
void arcOrChord(const AngleArc& a, const Stroke& s) {
  if (isSmallSector(a.extent, a.p1, a.p2)) {
    chord(a.p1, a.p2, s);
  } else {
    arc(a.box, a.p1, a.p2, s);
  }
}

void pie(int32_t layer, const AngleArc& a, const PLANECOL& colours, const PLANEATTRIB& attributes) {
  const POINTRECT ellipse = a.box.corners().rect();
  const POINTLINE ends{a.p1.x, a.p1.y, a.p2.x, a.p2.y};
  const POINTRECT bounds = arcBounds(a.box.centre(), ellipse, a.p1, a.p2, true);
  osGXpie(layer, &ellipse, &ends, &colours, &attributes, &bounds, true);
}

Triangle triangleOf(const AngleArc& a) { return {a.box.centre(), a.p1, a.p2}; }

}  // namespace

// drawArc(IIIIII)V: the canvas pen
void drawArc() {
  const ManagedFrame frame;
  const AngleArc a = angleArcArg(frame);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  const Stroke s{pen->color, 0, pen->lineWidth, kSolidStyle};
  if (a.extent == 360) {
    const POINTRECT e = a.box.corners().rect();
    osGXdrawEllipse(e.x1, e.y1, e.x2, e.y2, s.color, kSolidStyle, low16(s.lineWidth), 0);
    return;
  }
  arcOrChord(a, s);
}

// drawArc(IIIIIIIIII)V: angles
void drawArcWithStyle() {
  const ManagedFrame frame;
  const AngleArc a = angleArcArg(frame);
  arcOrChord(a, {frame.intArg(6), frame.intArg(7), frame.intArg(8), frame.intArg(9)});
}

// drawArc(IIIIIIIIIIII)V: end points, translated
void drawArcBetweenPoints() {
  const ManagedFrame frame;
  const EllipseBox box = ellipseArg(frame, 0, true);
  const APOINT p1{translatedX(frame.intArg(4)), translatedY(frame.intArg(5))};
  const APOINT p2{translatedX(frame.intArg(6)), translatedY(frame.intArg(7))};
  const Stroke s{frame.intArg(8), frame.intArg(9), frame.intArg(10), frame.intArg(11)};
  if (isFlat(arcBounds(box.centre(), box.corners().rect(), p1, p2, false))) {
    chord(p1, p2, s);
  } else {
    arc(box, p1, p2, s);
  }
}

// fillArc(IIIIII)V
void fillArc() {
  const ManagedFrame frame;
  const AngleArc a = angleArcArg(frame);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  if (isSmallSector(a.extent, a.p1, a.p2)) {
    const Triangle t = triangleOf(a);
    osGXfillPolygon(3, t.data(), pen->color, pen->backColor, low8(pen->fillPattern), true);
    return;
  }
  pie(pen->layer, a, {0, pen->backColor, pen->color},
      {low8(pen->lineWidth), 0, low8(pen->fillPattern), kPieOutlineWhole});
}

// drawPie(IIIIII)V
void drawPie() {
  const ManagedFrame frame;
  const AngleArc a = angleArcArg(frame);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  if (isSmallSector(a.extent, a.p1, a.p2)) {
    const Triangle t = triangleOf(a);
    osGXdrawPolygon(3, t.data(), low8(pen->lineWidth), pen->color, pen->backColor, kSolidStyle);
    return;
  }
  pie(pen->layer, a, {pen->color, pen->backColor, 0},
      {low8(pen->lineWidth), kSolidStyle, 0, kPieOutlineWhole});
}

}  // namespace zelmo::canvas
