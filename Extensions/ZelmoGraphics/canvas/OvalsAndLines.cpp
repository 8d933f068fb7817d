// Canvas oval and line natives. Ovals are drawn whatever their size; line end points are passed
// as given.
#include "canvas/CanvasNatives.h"
#include "canvas/ShapeHelpers.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

void outlineOval(const Box& c, int32_t color, int32_t lineStyle, int32_t lineWidth,
                 int32_t backColor) {
  osGXdrawEllipse(c.x1, c.y1, c.x2, c.y2, color, low16(lineStyle), low16(lineWidth), backColor);
}

void fillOvalIn(const Box& c, int32_t fillColor, int32_t fillPattern, int32_t backColor) {
  osGXfillEllipse(c.x1, c.y1, c.x2, c.y2, fillColor, low16(fillPattern), backColor);
}

struct Segment {
  int32_t x1, y1, x2, y2;
};

void line(const Segment& s, int32_t lineWidth, int32_t lineStyle, int32_t color, int32_t backColor,
          uint8_t lineEnd) {
  osGXdrawLine(s.x1, s.y1, s.x2, s.y2, low16(lineWidth), low16(lineStyle), color, backColor,
               lineEnd);
}

constexpr uint8_t kNoLineEnd = 0;

}  // namespace

// drawOval(IIII)V
void drawOval() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  outlineOval(box.corners(), pen->color, pen->lineStyle, pen->lineWidth, 0);
}

// fillOvalWithBorder(IIIIIIIIII)V: translated
void fillOvalWithBorder() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const int32_t fillColor = frame.intArg(4);
  const int32_t backColor = frame.intArg(5);
  const int32_t fillPattern = frame.intArg(6);
  const int32_t lineWidth = frame.intArg(7);
  const int32_t lineStyle = frame.intArg(8);
  const int32_t borderColor = frame.intArg(9);
  const Box c = translated(box).corners();
  if (fillPattern > 0) fillOvalIn(c, fillColor, fillPattern, backColor);
  if (lineWidth > 0 && lineStyle > 0) outlineOval(c, borderColor, lineStyle, lineWidth, backColor);
}

// fillOval(IIII)V
void fillOval() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  fillOvalIn(box.corners(), pen->color, pen->fillPattern, pen->backColor);
}

// fillOval(IIIIIIBI)V
void fillOvalWithColors() {
  const ManagedFrame frame;
  const SizedBox box = frame.boxArg(0);
  const int32_t fillColor = frame.intArg(4);
  const int32_t backColor = frame.intArg(5);
  const int8_t fillPattern = frame.byteArg(6);  // the int after it is not used
  fillOvalIn(box.corners(), fillColor, fillPattern, backColor);
}

// drawLine(IIII)V
void drawLine() {
  const ManagedFrame frame;
  const Segment s{frame.intArg(0), frame.intArg(1), frame.intArg(2), frame.intArg(3)};
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  line(s, pen->lineWidth, pen->lineStyle, pen->color, pen->backColor, kNoLineEnd);
}

// drawLine(IIIIIIBI)V
void drawLineWithStyle() {
  const ManagedFrame frame;
  const Segment s{frame.intArg(0), frame.intArg(1), frame.intArg(2), frame.intArg(3)};
  const int32_t color = frame.intArg(4);
  const int32_t backColor = frame.intArg(5);
  const int8_t lineStyle = frame.byteArg(6);
  const int32_t lineWidth = frame.intArg(7);
  line(s, lineWidth, lineStyle, color, backColor, kNoLineEnd);
}

// drawLine(IIIIIIIII)V
void drawLineTranslated() {
  const ManagedFrame frame;
  const Segment s{translatedX(frame.intArg(0)), translatedY(frame.intArg(1)),
                  translatedX(frame.intArg(2)), translatedY(frame.intArg(3))};
  const int32_t color = frame.intArg(4);
  const int32_t backColor = frame.intArg(5);
  const int32_t lineStyle = frame.intArg(6);
  const int32_t lineWidth = frame.intArg(7);
  const int32_t lineEnd = frame.intArg(8);
  line(s, lineWidth, lineStyle, color, backColor, low8(lineEnd));
}

}  // namespace zelmo::canvas
