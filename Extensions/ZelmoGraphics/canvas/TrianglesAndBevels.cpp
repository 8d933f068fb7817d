// Canvas triangle and bevel-button natives. Neither applies the canvas translation.
#include "bridge/ManagedFrame.h"
#include "canvas/CanvasNatives.h"
#include "canvas/ShapeHelpers.h"
#include "platform/DrawingService.h"

namespace zelmo::canvas {
namespace {

struct Point {
  int32_t x, y;
};

struct Triangle {
  Point a, b, c;
};

void fillTriangleIn(const Triangle& t, int32_t fillColor, int32_t backColor, int8_t fillPattern) {
  osGXfillTriangle(t.a.x, t.a.y, t.b.x, t.b.y, t.c.x, t.c.y, fillColor, backColor,
                   low8(fillPattern));
}

// Bevel edges: solid one-pixel lines, or solid bands for thicker bevels.
void edge(Point from, Point to, int32_t color) {
  osGXdrawLine(from.x, from.y, to.x, to.y, 1, kSolidStyle, color, 0, 0);
}

void band(Point topLeft, Point bottomRight, int32_t color) {
  constexpr uint8_t kSolidPattern = 1;
  osGXfillRectangle(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, 0, color, kSolidPattern, 0,
                    0, 0, 0);
}

}  // namespace

// fillTriangleWithBorder(IIIIIIIIBIII)V
void fillTriangleWithBorder() {
  const ManagedFrame frame;
  const Triangle t{{frame.intArg(0), frame.intArg(1)},
                   {frame.intArg(2), frame.intArg(3)},
                   {frame.intArg(4), frame.intArg(5)}};
  const int32_t fillColor = frame.intArg(6);
  const int32_t backColor = frame.intArg(7);
  const int8_t fillPattern = frame.byteArg(8);
  const int32_t lineWidth = frame.intArg(9);
  const int32_t borderColor = frame.intArg(10);
  const int32_t lineStyle = frame.intArg(11);
  if (fillPattern > 0) fillTriangleIn(t, fillColor, backColor, fillPattern);
  const Border b =
      borderOrFallback({borderColor, lineWidth, lineStyle}, fillColor, fillPattern != 0);
  if (b.lineStyle > 0) {
    osGXdrawTriangle(t.a.x, t.a.y, t.b.x, t.b.y, t.c.x, t.c.y, b.color, backColor,
                     low16(b.lineStyle), low16(b.lineWidth));
  }
}

// drawBevelButton(IIIIIIIIII)V
void drawBevelButton() {
  const ManagedFrame frame;
  const int32_t x1 = frame.intArg(0);
  const int32_t y1 = frame.intArg(1);
  const int32_t x2 = frame.intArg(2);
  const int32_t y2 = frame.intArg(3);
  const int32_t faceColor = frame.intArg(4);
  const int32_t faceBackColor = frame.intArg(5);
  const int32_t facePattern = frame.intArg(6);
  const int32_t light = frame.intArg(7);
  const int32_t shadow = frame.intArg(8);
  const int32_t bevel = frame.intArg(9);

  osGXfillRectangle(x1, y1, x2, y2, 0, faceColor, low8(facePattern), faceBackColor, 1, 0, 0);

  // Shadow first along the right and bottom edges, then light along the top and left, so the
  // light wins the top-right and bottom-left corner pixels.
  if (bevel == 1) {
    edge({x2, add32(y1, 1)}, {x2, y2}, shadow);
    edge({x1, y2}, {x2, y2}, shadow);
    edge({x1, y1}, {x2, y1}, light);
    edge({x1, y1}, {x1, y2}, light);
  } else if (bevel == 2) {
    edge({x2, add32(y1, 1)}, {x2, y2}, shadow);
    edge({x1, y2}, {x2, y2}, shadow);
    edge({sub32(x2, 1), add32(y1, 2)}, {sub32(x2, 1), y2}, shadow);
    edge({add32(x1, 1), sub32(y2, 1)}, {x2, sub32(y2, 1)}, shadow);
    edge({x1, y1}, {x2, y1}, light);
    edge({x1, y1}, {x1, y2}, light);
    edge({x1, add32(y1, 1)}, {sub32(x2, 1), add32(y1, 1)}, light);
    edge({add32(x1, 1), y1}, {add32(x1, 1), sub32(y2, 1)}, light);
  } else {
    // Bands `bevel` pixels thick; the light bands cover the two mixed corner squares, whose
    // lower-right halves the shadow triangles then take back to give diagonal joins.
    const int32_t inner = sub32(bevel, 1);  // offset of a band's inner edge from its outer one
    band({sub32(x2, inner), add32(y1, bevel)}, {x2, y2}, shadow);
    band({add32(x1, bevel), sub32(y2, inner)}, {x2, y2}, shadow);
    band({x1, y1}, {x2, add32(y1, inner)}, light);
    band({x1, y1}, {add32(x1, inner), y2}, light);
    fillTriangleIn({{sub32(x2, inner), add32(y1, inner)}, {x2, add32(y1, inner)}, {x2, y1}}, shadow,
                   0, 1);
    fillTriangleIn({{x1, y2}, {add32(x1, inner), y2}, {add32(x1, inner), sub32(y2, inner)}}, shadow,
                   0, 1);
  }
}

}  // namespace zelmo::canvas
