// drawThickArc: a band between two concentric circles, as gauges draw their scales. The ring is
// one polygon built on the stack: the outer edge from the start angle to the end, the inner edge
// back. Angles are 16-bit tenths of a degree.
#include <algorithm>
#include <array>
#include "canvas/CanvasNatives.h"

#include "canvas/Sectors.h"
#include "canvas/ShapeHelpers.h"
#include "geometry/ArcGeometry.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

constexpr int32_t kFullTurn = 3600;
// With a step of at least 3 degrees a full turn needs 121 points on each edge.
constexpr int32_t kMaxRingPoints = 300;
using RingBuffer = std::array<APOINT, kMaxRingPoints>;

// Points of one edge: `count` - 1 at from, from + step, ... then one at `last`.
struct Edge {
  int32_t from, step, count, last;
};

// Number of points on an edge of `extent` tenths walked in steps of `step` tenths.
int32_t pointsAlong(int32_t extent, int32_t step) {
  return extent / step + 1 + (extent % step != 0 ? 1 : 0);
}

int32_t appendEdge(RingBuffer& ring, int32_t used, int32_t cx, int32_t cy, int32_t radius,
                   const Edge& e) {
  const int32_t x = sub32(cx, radius);
  const int32_t y = sub32(cy, radius);
  for (int32_t k = 0; k + 1 < e.count && used < kMaxRingPoints; ++k)
    ring[used++] = pointOnCircle(x, y, radius, int64_t{e.from} + int64_t{k} * e.step);
  if (used < kMaxRingPoints) ring[used++] = pointOnCircle(x, y, radius, e.last);
  return used;
}

// The whole sector of a circle, for a band with no hole.
void sector(int32_t cx, int32_t cy, int32_t radius, int32_t start, int32_t extent, int32_t colour,
            int32_t layer) {
  const EllipseBox box{
      {sub32(cx, radius), sub32(cy, radius), add32(radius, radius), add32(radius, radius)}};
  const SectorLook look{colour, colour, 1, 0, 1, 0};
  fillPieSector(box, box.atTenths(start), box.atTenths(start + extent), look, layer);
}

}  // namespace

// drawThickArc(IIIIIII)V
void drawThickArc() {
  const ManagedFrame frame;
  const int32_t cx = frame.intArg(0);
  const int32_t cy = frame.intArg(1);
  const int32_t innerRadius = frame.intArg(2);
  const int32_t outerRadius = frame.intArg(3);
  const int32_t start = static_cast<int16_t>(low16(frame.intArg(4)));
  // More than a turn would overrun the ring's buffer and a negative extent has no points; an
  // extent of 0 is a gauge at zero, which shows nothing (not a full disc, as equal ends would).
  const int32_t extent =
      std::clamp<int32_t>(static_cast<int16_t>(low16(frame.intArg(5))), 0, kFullTurn);
  const int32_t colour = frame.intArg(6);
  const auto canvas = Canvas::of(frame);
  if (!canvas || outerRadius == 0 || extent == 0) return;
  if (innerRadius == 0) {
    sector(cx, cy, outerRadius, start, extent, colour, canvas->layer);
    return;
  }
  const int32_t end = start + extent > kFullTurn - 1 ? start + extent - kFullTurn : start + extent;
  const int32_t outerStep = arcStep(outerRadius) * 10;
  const int32_t innerStep = arcStep(innerRadius) * 10;
  RingBuffer ring;
  int32_t used = appendEdge(ring, 0, cx, cy, outerRadius,
                            {start, outerStep, pointsAlong(extent, outerStep), end});
  used = appendEdge(ring, used, cx, cy, innerRadius,
                    {end, -innerStep, pointsAlong(extent, innerStep), start});
  osGXfillPolygon(used, ring.data(), colour, 0, 1, true);
}

}  // namespace zelmo::canvas
