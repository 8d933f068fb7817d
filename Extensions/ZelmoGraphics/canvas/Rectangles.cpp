// Canvas rectangle natives. A rectangle with a width or height of exactly 0 draws nothing;
// negative sizes are passed on as inverted corners.
#include "canvas/CanvasNatives.h"
#include "canvas/ShapeHelpers.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

// The plain outline that fillRect and fillRoundRect draw around their fill, filled or not.
constexpr int32_t kPlainOutlineStyle = 0;
constexpr int32_t kPlainOutlineColor = 0xFFFFFF;

struct Rounding {
  uint8_t rounded;
  int32_t radiusX, radiusY;
};
constexpr Rounding kSquare{0, 0, 0};

void outline(const Box& c, int32_t lineWidth, int32_t lineStyle, int32_t color, int32_t backColor,
             const Rounding& r) {
  osGXdrawRectangle(c.x1, c.y1, c.x2, c.y2, lineWidth, lineStyle, color, backColor, r.rounded,
                    r.radiusX, r.radiusY);
}

void fill(const Box& c, int32_t lineWidth, int32_t fillColor, int32_t fillPattern,
          int32_t backColor, const Rounding& r) {
  osGXfillRectangle(c.x1, c.y1, c.x2, c.y2, lineWidth, fillColor, low8(fillPattern), backColor,
                    r.rounded, r.radiusX, r.radiusY);
}

// fillRect(IIII)V and fillRoundRect: fill in the pen when the pattern is set, then the plain
// outline.
void fillWithPen(const Canvas& pen, const Box& c, const Rounding& r) {
  if (pen.fillPattern != 0) fill(c, pen.lineWidth, pen.color, pen.fillPattern, pen.backColor, r);
  outline(c, pen.lineWidth, kPlainOutlineStyle, kPlainOutlineColor, pen.backColor, r);
}

}  // namespace

// drawRect(IIII)V
void drawRect() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen || box.empty()) return;
  outline(box.corners(), pen->lineWidth, pen->lineStyle, pen->color, pen->backColor, kSquare);
}

// drawRoundRect(IIIIII)V
void drawRoundRect() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const int32_t radiusX = frame.intArg(4);
  const int32_t radiusY = frame.intArg(5);
  const auto pen = Canvas::of(frame);
  if (!pen || box.empty()) return;
  outline(box.corners(), pen->lineWidth, pen->lineStyle, pen->color, 0, {1, radiusX, radiusY});
}

// fillRect(IIII)V
void fillRect() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen || box.empty()) return;
  fillWithPen(*pen, box.corners(), kSquare);
}

// fillRect(IIIIIIBI)V
void fillRectWithColors() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const int32_t fillColor = frame.intArg(4);
  const int32_t backColor = frame.intArg(5);
  const int8_t fillPattern = frame.byteArg(6);
  const int32_t lineWidth = frame.intArg(7);
  if (box.empty()) return;
  const Box c = box.corners();
  if (fillPattern > 0) fill(c, lineWidth, fillColor, fillPattern, backColor, kSquare);
  outline(c, lineWidth, kPlainOutlineStyle, kPlainOutlineColor, backColor, kSquare);
}

// fillRectWithBorder(IIIIII)V
void fillRectWithBorder() {
  const ManagedFrame frame;
  const int32_t borderColor = frame.intArg(0);
  const int32_t lineWidth = frame.intArg(1);
  const SizedBox box = frame.boxArg(2);
  const auto pen = Canvas::of(frame);
  if (!pen || box.empty()) return;
  const Box c = box.corners();
  if (pen->fillPattern > 0) {
    fill(c, lineWidth, pen->color, pen->fillPattern, pen->backColor, kSquare);
  }
  outline(c, lineWidth, kSolidStyle, borderColor, pen->backColor, kSquare);
}

// fillRectWithBorder(IIIIIIIIIIIII)V
void fillRectWithBorderTranslated() {
  const ManagedFrame frame;
  const int32_t borderColor = frame.intArg(0);
  const int32_t lineWidth = frame.intArg(1);
  const int32_t lineStyle = frame.intArg(2);
  const SizedBox box = frame.boxArg(3);
  const int32_t fillColor = frame.intArg(7);
  const int32_t backColor = frame.intArg(8);
  const int32_t fillPattern = frame.intArg(9);
  const int32_t rounded = frame.intArg(10);
  const int32_t radiusX = frame.intArg(11);
  const int32_t radiusY = frame.intArg(12);
  if (box.empty()) return;
  const Box c = translated(box).corners();
  const Rounding r{low8(rounded), radiusX, radiusY};
  if (fillPattern > 0) fill(c, lineWidth, fillColor, fillPattern, backColor, r);
  outline(c, lineWidth, lineStyle, borderColor, backColor, r);
}

// fillRoundRect(IIIIII)V
void fillRoundRect() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const int32_t radiusX = frame.intArg(4);
  const int32_t radiusY = frame.intArg(5);
  const auto pen = Canvas::of(frame);
  if (!pen || box.empty()) return;
  fillWithPen(*pen, box.corners(), {1, radiusX, radiusY});
}

}  // namespace zelmo::canvas
