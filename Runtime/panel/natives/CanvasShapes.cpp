// Rectangles, ovals, lines, the triangle and the bevel button of the canvas. "The pen" is the
// canvas's color, backColor, fillPattern, lineWidth and lineStyle fields.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

std::vector<Argument> radii() {
  return {pixels("radiusX", "horizontal corner radius"),
          pixels("radiusY", "vertical corner radius")};
}

std::vector<Argument> ends() { return {pixels("x1"), pixels("y1"), pixels("x2"), pixels("y2")}; }

}  // namespace

std::vector<Native> canvasShapeNatives() {
  return {
      {"drawRect(IIII)V", "Outlines a rectangle in the pen; a width or height of 0 draws nothing.",
       box()},
      {"drawRoundRect(IIIIII)V", "Outlines a rectangle with rounded corners in the pen.",
       join({box(), radii()})},
      {"fillRect(IIII)V",
       "Fills a rectangle in the pen's colour and pattern when the pattern is not 0.", box()},
      {"fillRect(IIIIIIBI)V", "Fills a rectangle when the pattern is above 0.",
       join({box(),
             {colour("fillColor"), colour("backColor", "the gaps of a pattern"), fillPattern(),
              lineWidth()}})},
      {"fillRoundRect(IIIIII)V",
       "Fills a rectangle with rounded corners in the pen's colour and pattern.",
       join({box(), radii()})},
      {"fillRectWithBorder(IIIIII)V",
       "Fills a rectangle in the pen's colour and pattern when the pattern is above 0, then "
       "outlines it solid in the border colour.",
       join({{colour("borderColor"), lineWidth()}, box()})},
      {"fillRectWithBorder(IIIIIIIIIIIII)V",
       "Fills a rectangle when the pattern is above 0, then outlines it; moved by the canvas "
       "translation.",
       join({{colour("borderColor"), lineWidth(), lineStyle()},
             box(),
             {colour("fillColor"), colour("backColor", "the gaps of a pattern or style"),
              fillPattern(), flag("rounded", "non-zero rounds the corners by the radii")},
             radii()})},
      {"drawOval(IIII)V", "Outlines the ellipse inside a box in the pen.", box()},
      {"fillOval(IIII)V", "Fills the ellipse inside a box in the pen's colour and pattern.", box()},
      {"fillOval(IIIIIIBI)V", "Fills the ellipse inside a box.",
       join({box(),
             {colour("fillColor"), colour("backColor", "the gaps of a pattern"), fillPattern(),
              unused()}})},
      {"fillOvalWithBorder(IIIIIIIIII)V",
       "Fills the ellipse inside a box when the pattern is above 0, then outlines it when width "
       "and style are above 0; moved by the canvas translation.",
       join({box(),
             {colour("fillColor"), colour("backColor", "the gaps of a pattern or style"),
              fillPattern(), lineWidth(), lineStyle(), colour("borderColor")}})},
      {"drawLine(IIII)V", "Draws a line between two points in the pen.", ends()},
      {"drawLine(IIIIIIBI)V", "Draws a line between two points.",
       join({ends(),
             {colour("color"), colour("backColor", "the gaps of styles 7 and 8"), lineStyle(),
              lineWidth()}})},
      {"drawLine(IIIIIIIII)V",
       "Draws a line between two points with arrow heads; moved by the canvas translation.",
       join({ends(),
             {colour("color"), colour("backColor", "the gaps of styles 7 and 8"), lineStyle(),
              lineWidth(), code("lineEnd", kLineEnds)}})},
      {"fillTriangleWithBorder(IIIIIIIIBIII)V",
       "Fills a triangle when the pattern is above 0, then outlines it; without a border a "
       "filled triangle gets a one-pixel outline in its fill colour.",
       join({ends(),
             {pixels("x3"), pixels("y3"), colour("fillColor"),
              colour("backColor", "the gaps of a pattern or style"), fillPattern(), lineWidth(),
              colour("borderColor"), lineStyle()}})},
      {"drawBevelButton(IIIIIIIIII)V",
       "Fills a button face and draws its light top-left and shadowed bottom-right bevel.",
       join({{pixels("x1", "left edge"), pixels("y1", "top edge"),
              pixels("x2", "right edge, inclusive"), pixels("y2", "bottom edge, inclusive")},
             {colour("faceColor"), colour("faceBackColor", "the gaps of the face's pattern"),
              code("facePattern", kFillPatterns), colour("lightColor"), colour("shadowColor"),
              code("bevel", kBevels)}})},
  };
}

}  // namespace panel::natives
