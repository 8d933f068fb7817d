// The seven drawNumber natives: plain, truncating, fixed-point and legacy fixed-point integer
// displays, each drawn with one simple-text call.
#include <array>
#include "canvas/CanvasNatives.h"

#include "canvas/NumberText.h"
#include "format/NumberFormat.h"

namespace zelmo::canvas {
namespace {

// The fixed-point overloads with unsigned, grouping and leadingZeros flags: the formatter
// inputs, then the drawing on target 0 with the font argument.
void drawFormatted(bool withSuffix) {
  const ManagedFrame frame;
  const int32_t value = frame.intArg(0);
  format::FixedPointOptions options;
  options.base = frame.intArg(1);
  options.digits = frame.intArg(2);
  options.decimals = frame.intArg(3);
  const int32_t simpleOption1 = frame.intArg(4);
  const int32_t simpleOption2 = frame.intArg(5);
  options.isUnsigned = frame.boolArg(6);
  options.grouping = frame.boolArg(7);
  options.leadingZeros = frame.boolArg(8);
  const TEXTCOL colors{frame.intArg(9), kNoColour, frame.intArg(10)};
  const SizedBox box = frame.boxArg(11);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  std::array<UniChar, format::kNumberBufferSize> suffix{};
  if (withSuffix) {
    copySuffix(frame, 2, suffix);
    options.suffix = suffix.data();
  }
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatFixedPoint(value, options, canvasSeparators(), text);
  drawSimpleText(0, box, *font, text.data(), count, colors, simpleOption1, simpleOption2);
}

}  // namespace

// drawNumber(IIIIII)V
void drawNumber() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t value = frame.intArg(0);
  const int32_t base = frame.intArg(1);
  const SizedBox box = frame.boxArg(2);
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatPlain(value, base, text);
  drawSimpleText(canvas->layer, box, canvas->fontHandle, text.data(), count,
                 {canvas->color, kNoColour, canvas->textThirdColor}, 1, 1);
}

// drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberInColor() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t value = frame.intArg(0);
  const int32_t base = frame.intArg(1);
  const SizedBox box = frame.boxArg(2);
  const int32_t textColor = frame.intArg(6);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatPlain(value, base, text);
  drawSimpleText(canvas->layer, box, *font, text.data(), count, {textColor, kNoColour, 0}, 1, 1);
}

// drawNumber(IIIIZIIII)V
void drawNumberTruncated() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t value = frame.intArg(0);
  const int32_t base = frame.intArg(1);
  const int32_t digits = frame.intArg(2);
  const int32_t simpleOption1 = frame.intArg(3);
  const bool leadingZeros = frame.boolArg(4);
  const SizedBox box = frame.boxArg(5);
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatTruncated(value, base, digits, leadingZeros, text);
  drawSimpleText(canvas->layer, box, canvas->fontHandle, text.data(), count,
                 {canvas->color, kNoColour, canvas->textThirdColor}, simpleOption1, 1);
}

// drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberFixedPoint() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t value = frame.intArg(0);
  format::FixedPointOptions options;
  options.base = frame.intArg(1);
  options.digits = frame.intArg(2);
  options.decimals = frame.intArg(3);
  const int32_t simpleOption1 = frame.intArg(4);
  const int32_t simpleOption2 = frame.intArg(5);
  options.leadingZeros = frame.boolArg(6);
  const TEXTCOL colors{frame.intArg(7), kNoColour, frame.intArg(8)};
  const SizedBox box = frame.boxArg(9);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatFixedPoint(value, options, canvasSeparators(), text);
  drawSimpleText(canvas->layer, box, *font, text.data(), count, colors, simpleOption1,
                 simpleOption2);
}

// drawNumber(IIIIIZIIIIIII)V
void drawNumberLegacy() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const int32_t value = frame.intArg(0);
  const int32_t base = frame.intArg(1);
  const int32_t digits = frame.intArg(2);
  const int32_t simpleOption1 = frame.intArg(3);
  const int32_t simpleOption2 = frame.intArg(4);
  const bool leadingZeros = frame.boolArg(5);
  const int32_t decimals = frame.intArg(6);
  const TEXTCOL colors{frame.intArg(7), kNoColour, frame.intArg(8)};
  const SizedBox box = frame.boxArg(9);
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatLegacyFixedPoint(value, base, digits, decimals, leadingZeros,
                                                       canvasSeparators().decimal, text);
  drawSimpleText(canvas->layer, box, canvas->fontHandle, text.data(), count, colors, simpleOption1,
                 simpleOption2);
}

// drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberFormatted() { drawFormatted(false); }
// drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V
void drawNumberFormattedWithSuffix() { drawFormatted(true); }

}  // namespace zelmo::canvas
