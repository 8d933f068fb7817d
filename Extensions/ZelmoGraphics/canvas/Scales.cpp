// Canvas scale natives: a linear scale, and round scales whose ticks start on the circle
// inscribed in the box's width, optionally with finer ticks on a smaller circle between them.
#include "bridge/ManagedFrame.h"
#include "canvas/CanvasNatives.h"
#include "canvas/CanvasTransform.h"
#include "canvas/ShapeHelpers.h"
#include "drawing/ScaleTickLines.h"

namespace zelmo::canvas {
namespace {

// The round ticks of a box (x1, y1, x2, y2), translated.
void roundTicks(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int32_t startAngle,
                int32_t endAngle, int32_t innerRadius, int64_t count, const TickPen& pen) {
  const CanvasTransform& t = canvasTransform();
  const RoundScaleFrame f = roundScaleFrame(x1, y1, x2, y2, t.translateX, t.translateY);
  drawCircularTicks(
      {CircularTickAngles(startAngle, endAngle, count), innerRadius, f.radius, f.cx, f.cy}, pen);
}

}  // namespace

// drawScale(IIIIZIIIII)V
void drawScaleLinear() {
  const ManagedFrame frame;
  const int32_t x1 = frame.intArg(0);
  const int32_t y1 = frame.intArg(1);
  const int32_t x2 = frame.intArg(2);
  const int32_t y2 = frame.intArg(3);
  const bool vertical = frame.boolArg(4);
  const TickPen pen{low16(frame.intArg(7)), low16(frame.intArg(8)), frame.intArg(5),
                    frame.intArg(6)};
  const int32_t divisions = frame.intArg(9);
  if (divisions <= 0) return;
  drawLinearTicks(LinearTicks(translatedX(x1), translatedY(y1), translatedX(x2), translatedY(y2),
                              divisions, 1, vertical),
                  pen);
}

// drawScale(IIIIIIIIIIII)V
void drawScaleRound() {
  const ManagedFrame frame;
  const int32_t x1 = frame.intArg(0);
  const int32_t y1 = frame.intArg(1);
  const int32_t x2 = frame.intArg(2);
  const int32_t y2 = frame.intArg(3);
  const int32_t startAngle = frame.intArg(4);
  const int32_t endAngle = frame.intArg(5);
  const int32_t innerRadius = frame.intArg(6);
  const TickPen pen{low16(frame.intArg(9)), low16(frame.intArg(10)), frame.intArg(7),
                    frame.intArg(8)};
  const int32_t divisions = frame.intArg(11);
  if (divisions <= 0) return;
  roundTicks(x1, y1, x2, y2, startAngle, endAngle, innerRadius, divisions, pen);
}

// drawScaleWithSubDivision(IIIIIIIIIIIIII)V
void drawScaleWithSubDivision() {
  const ManagedFrame frame;
  const int32_t x1 = frame.intArg(0);
  const int32_t y1 = frame.intArg(1);
  const int32_t x2 = frame.intArg(2);
  const int32_t y2 = frame.intArg(3);
  const int32_t inset = frame.intArg(4);
  const int32_t startAngle = frame.intArg(5);
  const int32_t endAngle = frame.intArg(6);
  const int32_t innerRadius = frame.intArg(7);
  const TickPen pen{low16(frame.intArg(10)), low16(frame.intArg(11)), frame.intArg(8),
                    frame.intArg(9)};
  const int32_t divisions = frame.intArg(12);
  const int32_t subdivisions = frame.intArg(13);
  if (divisions <= 0) return;
  roundTicks(x1, y1, x2, y2, startAngle, endAngle, innerRadius, divisions, pen);
  if (subdivisions <= 0) return;
  // Every (subdivisions + 1)-th short tick lies under a long one. Too many short ticks drop
  // only these; the long ones are already drawn.
  const int64_t count = (int64_t{subdivisions} + 1) * divisions;
  roundTicks(int64_t{x1} + inset, int64_t{y1} + inset, int64_t{x2} - inset, int64_t{y2} - inset,
             startAngle, endAngle, innerRadius, count, pen);
}

}  // namespace zelmo::canvas
