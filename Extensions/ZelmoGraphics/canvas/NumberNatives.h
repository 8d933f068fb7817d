// Canvas natives that draw formatted integers, floats, dates and clock times.
#pragma once

namespace zelmo::canvas {

// Integers.
void drawNumber();                     // drawNumber(IIIIII)V
void drawNumberTruncated();            // drawNumber(IIIIZIIII)V
void drawNumberInColor();              // drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberFixedPoint();           // drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberLegacy();               // drawNumber(IIIIIZIIIIIII)V
void drawNumberFormatted();            // drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V
void drawNumberFormattedWithSuffix();  // ... as the previous, then a suffix String

// Floats.
void drawFloatFormatted();  // nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V
void drawFloatFormattedWithSuffix();  // ... as the previous, then a suffix String
void drawFloatInCanvasFont();         // nativeDrawFloat(FIIIZIIIIIII)V
void drawFloatInFont();               // nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V
void drawFloatSignificant();          // nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V

// Dates and times.
void drawDateTime();
void onTimeChange();

}  // namespace zelmo::canvas
