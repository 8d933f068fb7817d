// The five nativeDrawFloat natives. All hand their arguments to the float formatter and draw on
// drawing target 0, whatever the canvas layer.
#include <array>
#include "canvas/CanvasNatives.h"

#include "canvas/NumberText.h"
#include "format/FloatFormat.h"

namespace zelmo::canvas {
namespace {

struct FloatDrawing {
  format::FloatOptions options;
  int32_t simpleOption1;
  int32_t simpleOption2;
  TEXTCOL colors;
  SizedBox box;
};

void drawFloat(double value, const FloatDrawing& d, uint32_t font) {
  std::array<UniChar, format::kNumberBufferSize> text;
  const int32_t count = format::formatFloat(value, d.options, canvasSeparators(), text);
  drawSimpleText(0, d.box, font, text.data(), count, d.colors, d.simpleOption1, d.simpleOption2);
}

// value, digits, decimals, simpleOption1, simpleOption2, significant, grouping, leadingZeros,
// textColor, thirdColor, x, y, w, h, font[, suffix]
void drawFloatWithFlags(bool withSuffix) {
  const ManagedFrame frame;
  const double value = frame.floatArg(0);
  FloatDrawing d;
  d.options.digits = frame.intArg(1);
  d.options.decimals = frame.intArg(2);
  d.simpleOption1 = frame.intArg(3);
  d.simpleOption2 = frame.intArg(4);
  d.options.significant = frame.boolArg(5);
  d.options.grouping = frame.boolArg(6);
  d.options.leadingZeros = frame.boolArg(7);
  d.colors = {frame.intArg(8), kNoColour, frame.intArg(9)};
  d.box = frame.boxArg(10);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  std::array<UniChar, format::kNumberBufferSize> suffix{};
  if (withSuffix) {
    copySuffix(frame, 2, suffix);
    d.options.suffix = suffix.data();
  }
  drawFloat(value, d, *font);
}

// value, digits, simpleOption1, simpleOption2, leadingZeros, decimals, textColor, thirdColor,
// x, y, w, h
FloatDrawing shortArguments(const ManagedFrame& frame) {
  FloatDrawing d;
  d.options.digits = frame.intArg(1);
  d.simpleOption1 = frame.intArg(2);
  d.simpleOption2 = frame.intArg(3);
  d.options.leadingZeros = frame.boolArg(4);
  d.options.decimals = frame.intArg(5);
  d.colors = {frame.intArg(6), kNoColour, frame.intArg(7)};
  d.box = frame.boxArg(8);
  return d;
}

}  // namespace

// nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V
void drawFloatFormatted() { drawFloatWithFlags(false); }
// nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V
void drawFloatFormattedWithSuffix() { drawFloatWithFlags(true); }

// nativeDrawFloat(FIIIZIIIIIII)V
void drawFloatInCanvasFont() {
  const ManagedFrame frame;
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  drawFloat(frame.floatArg(0), shortArguments(frame), canvas->fontHandle);
}

// nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V
void drawFloatInFont() {
  const ManagedFrame frame;
  const FloatDrawing d = shortArguments(frame);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  drawFloat(frame.floatArg(0), d, *font);
}

// value, digits, simpleOption1, simpleOption2, significant, leadingZeros, textColor,
// thirdColor, x, y, w, h, font; no decimals
// nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V
void drawFloatSignificant() {
  const ManagedFrame frame;
  const double value = frame.floatArg(0);
  FloatDrawing d;
  d.options.digits = frame.intArg(1);
  d.simpleOption1 = frame.intArg(2);
  d.simpleOption2 = frame.intArg(3);
  d.options.significant = frame.boolArg(4);
  d.options.leadingZeros = frame.boolArg(5);
  d.colors = {frame.intArg(6), kNoColour, frame.intArg(7)};
  d.box = frame.boxArg(8);
  const auto font = fontArg(frame, 1);
  if (!font) return;
  drawFloat(value, d, *font);
}

}  // namespace zelmo::canvas
