// Canvas arcs, pies and scales. Boxes are the ellipse's or circle's bounding box; angles are
// counter-clockwise from 3 o'clock.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

std::vector<Argument> angles() {
  return {{"start", Unit::Degrees}, {"extent", Unit::Degrees, nullptr, "counter-clockwise"}};
}

std::vector<Argument> endPoints() {
  return {pixels("startX", "the sector's first end"), pixels("startY"),
          pixels("endX", "the sector's second end, counter-clockwise from the first"),
          pixels("endY")};
}

std::vector<Argument> lineLook() {
  return {colour("color"), colour("backColor", "the gaps of styles 7 and 8"), lineWidth(),
          lineStyle()};
}

std::vector<Argument> pieLook() {
  return {colour("fillColor"), colour("backColor", "the gaps of a pattern or style"),
          fillPattern(),       colour("lineColor"),
          lineWidth(),         lineStyle()};
}

std::vector<Argument> scaleBox() {
  return {pixels("x1"), pixels("y1"), pixels("x2", "inclusive"), pixels("y2", "inclusive")};
}

std::vector<Argument> circularTicks() {
  return {{"startAngle", Unit::Degrees},
          {"endAngle", Unit::Degrees, nullptr, "at or below startAngle goes round once more"},
          pixels("innerRadius", "where the ticks end")};
}

Argument divisions() {
  return {"divisions", Unit::Count, nullptr, "intervals between ticks; 0 or less draws nothing"};
}

}  // namespace

std::vector<Native> canvasArcAndScaleNatives() {
  return {
      {"drawThickArc(IIIIIII)V",
       "Fills a ring segment between two radii, or a pie sector when the inner radius is 0.",
       {pixels("cx", "centre"),
        pixels("cy", "centre"),
        pixels("innerRadius"),
        pixels("outerRadius", "0 draws nothing"),
        {"start", Unit::Tenths},
        {"extent", Unit::Tenths, nullptr, "counter-clockwise"},
        colour("color")}},
      {"drawArc(IIIIII)V",
       "Draws an elliptic arc solid in the pen's colour and width; 360 degrees draws the whole "
       "ellipse.",
       join({box(), angles()})},
      {"drawArc(IIIIIIIIII)V", "Draws an elliptic arc.", join({box(), angles(), lineLook()})},
      {"drawArc(IIIIIIIIIIII)V",
       "Draws the elliptic arc between two points on it; moved by the canvas translation.",
       join({box(), endPoints(), lineLook()})},
      {"fillArc(IIIIII)V", "Fills a pie sector in the pen's colour and pattern, with no outline.",
       join({box(), angles()})},
      {"drawPie(IIIIII)V", "Outlines a pie sector solid in the pen's colour and width.",
       join({box(), angles()})},
      {"fillPieWithBorder(IIIIIIIIIIII)V",
       "Fills a pie sector when the pattern is not 0, then outlines it; an extent below 5 draws "
       "a triangle.",
       join({box(), angles(), pieLook()})},
      {"fillPieWithBorder(IIIIIIIIIIIIII)V",
       "Fills and outlines the pie sector between two points on the ellipse; moved by the "
       "canvas translation.",
       join({box(), endPoints(), pieLook()})},
      {"fillPieWithBorder(IIIIIIIIIIIIIIZ)V",
       "Fills and outlines the pie sector between a fixed point and the point at an angle.",
       join({box(),
             {pixels("fixedX", "the sector's fixed end"),
              pixels("fixedY"),
              {"angle", Unit::Degrees, nullptr, "where the other end lies"},
              {"extent", Unit::Degrees, nullptr, "below 5 draws a triangle"}},
             pieLook(),
             {flag("first", "true makes the fixed point the first end, false the second")}})},
      {"drawScale(IIIIZIIIII)V",
       "Draws evenly spaced tick lines across a box; moved by the canvas translation.",
       join({scaleBox(),
             {flag("vertical", "true spaces the ticks along the height, bottom to top")},
             lineLook(),
             {divisions()}})},
      {"drawScale(IIIIIIIIIIII)V",
       "Draws tick lines around the circle inscribed in the box's width, from the circle inward; "
       "moved by the canvas translation.",
       join({scaleBox(), circularTicks(), lineLook(), {divisions()}})},
      {"drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
       "Draws circular tick lines as drawScale does, then shorter ones between them on a circle "
       "inset in the box.",
       join({scaleBox(),
             {pixels("inset", "of the short ticks' box on every side")},
             circularTicks(),
             lineLook(),
             {divisions(),
              {"subdivisions", Unit::Count, nullptr, "short ticks between two long ones"}}})},
  };
}

}  // namespace panel::natives
