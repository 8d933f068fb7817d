// Canvas strings. Without a font argument they use the canvas's colour, font (fontHandle) and
// textOption fields, and centre the text in its box.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument text() { return plain("text", "the String drawn"); }
Argument clips() { return flag("flag", "true clips the text to the box"); }
std::vector<Argument> margins() {
  return {pixels("option1", "margin kept free left and right"),
          pixels("option2", "margin kept free above and below"), plain("option6", "not used"),
          plain("option7", "not used")};
}

}  // namespace

std::vector<Native> canvasStringNatives() {
  return {
      {"drawString(Ljava/lang/String;II)V",
       "Draws a text in the canvas's colour and font, starting at x and standing on the line y.",
       {text(), pixels("x", "left edge"), pixels("y", "bottom edge")}},
      {"drawString(Ljava/lang/String;IIII)V", "Draws a text centred in a box, clipped to it.",
       join({{text()}, box()})},
      {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a text centred in a box in a colour and font, clipped to the box.",
       join({{text()}, box(), {colour("textColor"), font()}})},
      {"drawString(Ljava/lang/String;IIIIZ)V", "Draws a text centred in a box.",
       join({{text()}, box(), {clips()}})},
      {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V",
       "Draws a text in a box, aligned horizontally as asked and in the middle vertically.",
       join({{text()},
             box(),
             {colour("textColor"), font(), code("option", kHorizontalPlacements)}})},
      {"drawString(Ljava/lang/String;IIIIZI)V",
       "Draws one still frame of a text scrolling through a box.",
       join({{text()},
             box(),
             {flag("flag", "true scrolls to the left, false to the right"),
              pixels("marqueeParam", "scroll offset")}})},
      {"drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V",
       "Draws a text at the top left of a box, with margins, in a colour and font.",
       join({{text()}, box(), {colour("textColor")}, margins(), {font(), clips()}})},
      {"drawStringWithBorder(IIILjava/lang/String;IIII)V",
       "Fills a box, outlines it, then draws a text centred in it.",
       join({{colour("borderColor"), colour("fillColor"), pixels("borderWidth"), text()}, box()})},
      {"drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V",
       "Draws a text in a box with every colour and alignment given, then outlines the box; "
       "moved by the canvas translation.",
       join({{colour("borderColor"), colour("textColor"),
              colour("backColor", "behind the text; none leaves it transparent"),
              colour("thirdColor", "not used"), pixels("borderWidth"),
              code("borderStyle", kLineStyles), text()},
             box(),
             margins(),
             {code("mode", kTextModes), font()}})},
      {"drawStringWithBackground(ILjava/lang/String;IIII)V",
       "Draws a text centred in a box on a background colour.",
       join({{colour("backColor", "behind the text; none leaves it transparent"), text()}, box()})},
  };
}

}  // namespace panel::natives
