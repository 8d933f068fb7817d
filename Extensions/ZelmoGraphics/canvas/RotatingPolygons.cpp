// Canvas natives that turn points: four that give the x or y offset of a radius's end at an
// angle, and a pair that turns a polygon cheaply many times, preparing its polar form once
// (preCalculatePolygonParams, a class method) and drawing it turned from that form. None reads
// the canvas record or applies the canvas transform.
#include <algorithm>
#include <array>
#include <initializer_list>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "geometry/Angles.h"
#include "geometry/IntMath.h"
#include "geometry/TenthDegreeRotation.h"
#include "platform/DrawingService.h"

namespace zelmo::canvas {
namespace {

constexpr int32_t kMaxRotatingVertices = 100;

// The int array of reference argument k; null reads as empty.
IntArray arrayArg(uint32_t k) { return intArray(ObjectHandle::argument(k).fields()); }

// A vertex count bounded by the caller's n, the vertex buffer and every array read.
int32_t boundedCount(int32_t n, std::initializer_list<int32_t> lengths) {
  int32_t count = std::clamp(n, 0, kMaxRotatingVertices);
  for (const int32_t length : lengths) count = std::min(count, length);
  return std::max(count, 0);
}

enum class Axis { x, y };

// radius intArg(0), angle intArg(1): whole degrees or tenths.
void rotatePoint(Axis axis, bool tenths) {
  const ManagedFrame frame;
  const int32_t radius = frame.intArg(0);
  const int32_t angle = frame.intArg(1);
  const int32_t table = tenths ? reduceTenths(angle) : reduceDegreesToTurn(angle) * 10;
  frame.setIntResult(axis == Axis::x ? turnedX(radius, table) : turnedY(radius, table));
}

}  // namespace

// rotatePtX(II)I
void rotatePtX() { rotatePoint(Axis::x, false); }
// rotatePtY(II)I
void rotatePtY() { rotatePoint(Axis::y, false); }
// preciseRotatePtX(II)I
void preciseRotatePtX() { rotatePoint(Axis::x, true); }
// preciseRotatePtY(II)I
void preciseRotatePtY() { rotatePoint(Axis::y, true); }

// preCalculatePolygonParams(I[I[I[I[I)V: a class method
void preCalculatePolygonParams() {
  const ManagedFrame frame;
  const int32_t n = frame.intArg(0);
  // A class method: the arrays are reference arguments 0 to 3.
  const IntArray xs = arrayArg(0);
  const IntArray ys = arrayArg(1);
  const IntArray radii = arrayArg(2);
  const IntArray angles = arrayArg(3);
  const int32_t count =
      std::max(0, std::min({n, xs.length, ys.length, radii.length, angles.length}));
  for (int32_t i = 0; i < count; ++i) {
    const Polar p = polarOf(xs.elements[i], ys.elements[i]);
    radii.elements[i] = p.radius;
    angles.elements[i] = p.angle;
  }
}

// fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V
void fillRotatingPolygon() {
  const ManagedFrame frame;
  const int32_t n = frame.intArg(0);
  const int32_t cx = frame.intArg(1);
  const int32_t cy = frame.intArg(2);
  const int32_t rotation = frame.intArg(3);
  const int32_t fillColor = frame.intArg(4);
  const int32_t borderColor = frame.intArg(5);
  const bool fill = frame.boolArg(6);
  const bool border = frame.boolArg(7);

  std::array<APOINT, kMaxRotatingVertices> points;
  int32_t count;
  if (rotation == 0) {
    // Unturned: the vertices themselves, exactly.
    const IntArray xs = arrayArg(1);
    const IntArray ys = arrayArg(2);
    count = boundedCount(n, {xs.length, ys.length});
    for (int32_t i = 0; i < count; ++i)
      points[i] = APOINT{add32(xs.elements[i], cx), add32(ys.elements[i], cy)};
  } else {
    const IntArray radii = arrayArg(3);
    const IntArray angles = arrayArg(4);
    count = boundedCount(n, {radii.length, angles.length});
    for (int32_t i = 0; i < count; ++i)
      points[i] = placedVertex(rotation, angles.elements[i], radii.elements[i], cx, cy);
  }

  if (fill) {
    osGXfillPolygon(count, points.data(), fillColor, 0, 1, true);
    osGXdrawPolygon(count, points.data(), 1, fillColor, 0, 1);
  }
  if (border) osGXdrawPolygon(count, points.data(), 1, borderColor, 0, 1);
}

}  // namespace zelmo::canvas
