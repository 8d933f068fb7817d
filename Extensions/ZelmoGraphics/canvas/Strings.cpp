// Canvas string natives. Each builds the text records from its arguments and the canvas pen and
// makes exactly one text call; the bordered variants also draw a box. A null text or a null font
// argument draws nothing at all.
#include <optional>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "canvas/CanvasTransform.h"
#include "drawing/TextRecords.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"
#include "records/FontRecord.h"

namespace zelmo::canvas {
namespace {

// The String in reference slot k, read in place; nothing for the null reference.
std::optional<StringText> textArg(const ManagedFrame& frame, uint32_t k) {
  const Storage string = fieldsOf(frame.refArg(k));
  if (!string) return std::nullopt;
  return stringText(string);
}

void text(int32_t layer, const POINTRECT& rect, const TEXTCOL& colours,
          const TEXTATTRIB& attributes, uint32_t font, const StringText& s, bool textFlag) {
  osGXtext(layer, &rect, &colours, &attributes, font, s.chars, s.count, textFlag);
}

// The plain box overloads differ only in the flag and the text call; they share the pen.
struct BoxedString {
  Canvas canvas;
  StringText text;
  POINTRECT box;
};

std::optional<BoxedString> boxedString(const ManagedFrame& frame) {
  const auto canvas = Canvas::of(frame);
  const auto s = textArg(frame, 1);
  if (!canvas || !s) return std::nullopt;
  return BoxedString{*canvas, *s, frame.boxArg(0).corners().rect()};
}

void drawBoxedWithDefaults(const BoxedString& b, bool textFlag) {
  text(b.canvas.layer, b.box, canvasTextColours(b.canvas), canvasTextAttributes(b.canvas),
       b.canvas.fontHandle, b.text, textFlag);
}

}  // namespace

// drawString(Ljava/lang/String;II)V: at a point, in the box the service measures for the text.
void drawStringAt() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  const auto s = textArg(frame, 1);
  if (!canvas || !s) return;
  const int32_t x = frame.intArg(0);
  const int32_t y = frame.intArg(1);
  int32_t width = 0, height = 0, third = 0;
  osGXgetTextMetrics(canvas->fontHandle, s->chars, s->count, &width, &height, &third);
  // The measured box stands on the line y and starts at x.
  const POINTRECT rect{x, sub32(y, height), add32(x, width), y};
  const TEXTCOL colours{canvas->color, kNoColour, 0};
  text(canvas->layer, rect, colours, textAttributes(0, 0, 0, canvas->textOption, 1),
       canvas->fontHandle, *s, false);
}

// drawString(Ljava/lang/String;IIII)V
void drawStringInBox() {
  const ManagedFrame frame;
  if (const auto b = boxedString(frame)) drawBoxedWithDefaults(*b, true);
}

// drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V
void drawStringWithFont() {
  const ManagedFrame frame;
  const auto b = boxedString(frame);
  const auto font = fontArg(frame, 2);
  if (!b || !font) return;
  const TEXTCOL colours{frame.intArg(4), kNoColour, 0};
  text(b->canvas.layer, b->box, colours, textAttributes(2, 0, 0, 1, 1), *font, b->text, true);
}

// drawString(Ljava/lang/String;IIIIZ)V
void drawStringFlagged() {
  const ManagedFrame frame;
  if (const auto b = boxedString(frame)) drawBoxedWithDefaults(*b, frame.boolArg(4));
}

// drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V
void drawSimpleString() {
  const ManagedFrame frame;
  const auto b = boxedString(frame);
  const auto font = fontArg(frame, 2);
  if (!b || !font) return;
  const TEXTCOL colours{frame.intArg(4), kNoColour, b->canvas.textThirdColor};
  osGXsimpleText(b->canvas.layer, &b->box, *font, b->text.chars, colours, frame.intArg(5), 1,
                 b->text.count);
}

// drawString(Ljava/lang/String;IIIIZI)V
void drawStringMarquee() {
  const ManagedFrame frame;
  const auto b = boxedString(frame);
  if (!b) return;
  const TEXTCOL colours = canvasTextColours(b->canvas);
  const TEXTATTRIB attributes = canvasTextAttributes(b->canvas);
  osGXscrollMarquee(b->canvas.layer, &b->box, &colours, &attributes, b->canvas.fontHandle,
                    b->text.chars, b->text.count, frame.boolArg(4), frame.intArg(5));
}

// drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V
void drawStringWithOptions() {
  const ManagedFrame frame;
  const auto b = boxedString(frame);
  const auto font = fontArg(frame, 2);
  if (!b || !font) return;
  const TEXTCOL colours{frame.intArg(4), kNoColour, 0};
  const TEXTATTRIB attributes = textAttributes(0, low8(frame.intArg(5)), low8(frame.intArg(6)),
                                               low8(frame.intArg(7)), low8(frame.intArg(8)));
  text(b->canvas.layer, b->box, colours, attributes, *font, b->text, frame.boolArg(9));
}

// drawStringWithBorder(IIILjava/lang/String;IIII)V: filled, bordered box, then the text.
void drawStringWithBorder() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  const auto s = textArg(frame, 1);
  if (!canvas || !s) return;
  const int32_t borderColour = frame.intArg(0);
  const int32_t fillColour = frame.intArg(1);
  const int32_t borderWidth = frame.intArg(2);
  const POINTRECT box = frame.boxArg(3).corners().rect();
  // The box first, so that the text lies on top of it.
  osGXfillRectangle(box.x1, box.y1, box.x2, box.y2, borderWidth, fillColour, 1, canvas->backColor,
                    0, 0, 0);
  osGXdrawRectangle(box.x1, box.y1, box.x2, box.y2, borderWidth, 1, borderColour, canvas->backColor,
                    0, 0, 0);
  text(canvas->layer, box, canvasTextColours(*canvas), canvasTextAttributes(*canvas),
       canvas->fontHandle, *s, true);
}

// drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V: moves with
// the canvas translation; the text, then an unfilled border on top.
void drawStringWithBorderTranslated() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  const auto s = textArg(frame, 1);
  const auto font = fontArg(frame, 2);
  if (!canvas || !s || !font) return;
  const int32_t borderColour = frame.intArg(0);
  const TEXTCOL colours{frame.intArg(1), frame.intArg(2), frame.intArg(3)};
  const int32_t borderWidth = frame.intArg(4);
  const int32_t borderStyle = frame.intArg(5);
  const CanvasTransform& t = canvasTransform();
  const POINTRECT box = frame.boxArg(6).movedBy(t.translateX, t.translateY).corners().rect();
  const TEXTATTRIB attributes =
      textAttributes(frame.intArg(14), low8(frame.intArg(10)), low8(frame.intArg(11)),
                     low8(frame.intArg(12)), low8(frame.intArg(13)));
  // The text first; the border, unfilled, lies on top of it.
  text(canvas->layer, box, colours, attributes, *font, *s, true);
  osGXdrawRectangle(box.x1, box.y1, box.x2, box.y2, borderWidth, borderStyle, borderColour,
                    colours.backColor, 0, 0, 0);
}

// drawStringWithBackground(ILjava/lang/String;IIII)V
void drawStringWithBackground() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  const auto s = textArg(frame, 1);
  if (!canvas || !s) return;
  const TEXTCOL colours{canvas->color, frame.intArg(0), canvas->textThirdColor};
  const POINTRECT box = frame.boxArg(1).corners().rect();
  text(canvas->layer, box, colours, canvasTextAttributes(*canvas), canvas->fontHandle, *s, true);
}

}  // namespace zelmo::canvas
