// Canvas string natives: plain strings at a point or in a box, strings with explicit colours and
// attributes, the marquee, and strings with a border or a background.
#pragma once

namespace zelmo::canvas {

// drawString(Ljava/lang/String;II)V: at a point, in the box the service measures for the text.
void drawStringAt();
// drawString(Ljava/lang/String;IIII)V
void drawStringInBox();
// drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V
void drawStringWithFont();
// drawString(Ljava/lang/String;IIIIZ)V
void drawStringFlagged();
// drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V
void drawSimpleString();
// drawString(Ljava/lang/String;IIIIZI)V
void drawStringMarquee();
// drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V
void drawStringWithOptions();
// drawStringWithBorder(IIILjava/lang/String;IIII)V: filled, bordered box, then the text.
void drawStringWithBorder();
// drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V: moves
// with the canvas translation; the text, then an unfilled border on top.
void drawStringWithBorderTranslated();
// drawStringWithBackground(ILjava/lang/String;IIII)V
void drawStringWithBackground();

}  // namespace zelmo::canvas
