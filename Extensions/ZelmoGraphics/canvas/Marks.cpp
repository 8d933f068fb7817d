// drawMarks: a small symbol of one type, colour and size centred on each of a run of sample
// points, as trends mark their samples. Every line is one pixel wide and solid; no canvas field
// and no translation is used.
#include <algorithm>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"

namespace zelmo::canvas {
namespace {

enum MarkType : int32_t {
  kNone = 0,
  kDot = 1,
  kCircle = 2,
  kDiagonalCross = 3,
  kDiamond = 4,
  kDiamondWithCross = 5,
  kUprightCross = 6,
  kSquare = 7,
  kSquareWithCross = 8,
  kTriangleDown = 9,
  kTriangleUp = 10,
};

// The corners of a mark of half size h around (x, y), wrapping as the panel's ints do.
struct Mark {
  int32_t x, y, left, top, right, bottom;
  Mark(int32_t cx, int32_t cy, int32_t h)
      : x(cx),
        y(cy),
        left(sub32(cx, h)),
        top(sub32(cy, h)),
        right(add32(cx, h)),
        bottom(add32(cy, h)) {}
};

void line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color) {
  osGXdrawLine(x1, y1, x2, y2, 1, 1, color, 0, 0);
}

void diagonalCross(const Mark& m, int32_t color) {
  line(m.left, m.top, m.right, m.bottom, color);
  line(m.right, m.top, m.left, m.bottom, color);
}
void uprightCross(const Mark& m, int32_t color) {
  line(m.left, m.y, m.right, m.y, color);
  line(m.x, m.top, m.x, m.bottom, color);
}
void diamond(const Mark& m, int32_t color) {
  line(m.left, m.y, m.x, m.top, color);
  line(m.x, m.top, m.right, m.y, color);
  line(m.right, m.y, m.x, m.bottom, color);
  line(m.x, m.bottom, m.left, m.y, color);
}
void square(const Mark& m, int32_t color) {
  osGXdrawRectangle(m.left, m.top, m.right, m.bottom, 1, 1, color, 0, 0, 1, 1);
}

void drawMark(int32_t type, const Mark& m, int32_t color) {
  switch (type) {
    case kDot:
      osGXfillEllipse(m.left, m.top, m.right, m.bottom, color, 1, 0);
      break;
    case kCircle:
      osGXdrawEllipse(m.left, m.top, m.right, m.bottom, color, 1, 1, 0);
      break;
    case kDiagonalCross:
      diagonalCross(m, color);
      break;
    case kDiamond:
      diamond(m, color);
      break;
    case kDiamondWithCross:
      diamond(m, color);
      uprightCross(m, color);
      break;
    case kUprightCross:
      uprightCross(m, color);
      break;
    case kSquare:
      square(m, color);
      break;
    case kSquareWithCross:
      square(m, color);
      diagonalCross(m, color);
      break;
    case kTriangleDown:
      line(m.left, m.top, m.right, m.top, color);
      line(m.right, m.top, m.x, m.bottom, color);
      line(m.x, m.bottom, m.left, m.top, color);
      break;
    case kTriangleUp:
      line(m.left, m.bottom, m.x, m.top, color);
      line(m.x, m.top, m.right, m.bottom, color);
      line(m.right, m.bottom, m.left, m.bottom, color);
      break;
    default:
      break;
  }
}

}  // namespace

// drawMarks([I[IIIIII)V
void drawMarks() {
  const ManagedFrame frame;
  const int32_t start = frame.intArg(0);
  const int32_t count = frame.intArg(1);
  const int32_t color = frame.intArg(2);
  const int32_t h = frame.intArg(3) / 2;
  const int32_t type = frame.intArg(4);
  if (type <= kNone || type > kTriangleUp) return;
  // Only indices of start .. start + count - 1 that both arrays hold are marked.
  const int64_t first = std::max<int64_t>(start, 0);
  const int64_t end = int64_t{start} + count;
  for (int64_t i = first; i < end; ++i) {
    // Looked up afresh for every point; a null or shorter array ends the run.
    const IntArray xs = intArray(ObjectHandle::argument(1).fields());
    const IntArray ys = intArray(ObjectHandle::argument(2).fields());
    if (i >= std::min(xs.length, ys.length)) return;
    drawMark(type, Mark(xs.elements[i], ys.elements[i], h), color);
  }
}

}  // namespace zelmo::canvas
