// Canvas natives that take lists of points: polygons, polylines, Bezier lines, marks and the
// rotating polygon with its point rotation helpers.
#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

// Two int arrays and a count: point i is (xs[i], ys[i]), at most 2800 points.
std::vector<Argument> pointPairs() {
  return {plain("xs", "an int[] of x in pixels"),
          plain("ys", "an int[] of y in pixels"),
          {"count", Unit::Count, nullptr, "points, at most 2800"}};
}

// One int array x0, y0, x1, y1, ... and a count; translated in place when the native translates.
std::vector<Argument> pointList(const char* note) {
  return {plain("xy", note), {"count", Unit::Count, nullptr, "points"}};
}

constexpr const char* kInterleaved = "an int[] of x0, y0, x1, y1, ... in pixels";
constexpr const char* kInterleavedMoved =
    "an int[] of x0, y0, x1, y1, ... in pixels; the canvas translation is added to it in place";

std::vector<Argument> colours() {
  return {colour("color"), colour("backColor", "the gaps of styles 7 and 8")};
}

std::vector<Argument> fill() {
  return {colour("fillColor"), colour("backColor", "the gaps of a pattern"), fillPattern()};
}

std::vector<Argument> polarArrays() {
  return {plain("xs", "an int[] of vertex x relative to the centre, pixels"),
          plain("ys", "an int[] of vertex y relative to the centre, pixels, down positive"),
          plain("radii", "an int[] of vertex distances from the centre, pixels"),
          plain("angles", "an int[] of vertex directions, tenths of a degree")};
}

Argument radius() { return pixels("radius"); }

}  // namespace

std::vector<Native> canvasPointListNatives() {
  return {
      {"drawPolygon([I[II)V", "Outlines a closed polygon in the pen.", pointPairs()},
      {"fillPolygon([I[II)V",
       "Fills a closed polygon in the pen's colour and pattern, with a one-pixel outline in that "
       "colour.",
       pointPairs()},
      {"fillPolygon([I[IIIIBI)V",
       "Fills a closed polygon, with a one-pixel outline in the fill colour.",
       join({pointPairs(), fill(), {unused()}})},
      {"fillPolygon([I[IIIIIIBI)V",
       "Fills a closed polygon moved by (dx, dy), with an outline in the fill colour.",
       join({pointPairs(),
             {pixels("dx", "added to every x"), pixels("dy", "added to every y")},
             fill(),
             {lineWidth()}})},
      {"fillPolygonWithBorder([IIIIIIII)V",
       "Fills a closed polygon when the pattern is above 0, then outlines it; without a border a "
       "filled polygon gets a one-pixel outline in its fill colour.",
       join({pointList(kInterleaved), fill(), {colour("borderColor"), lineWidth(), lineStyle()}})},
      {"fillPolygonWithBorder([IIIIIIIIB)V",
       "As the overload without smooth, moved by the canvas translation.",
       join({pointList(kInterleavedMoved),
             fill(),
             {colour("borderColor"), lineWidth(), lineStyle(),
              flag("smooth", "1 or more sets the drawing service's fill flag")}})},
      {"drawPolyline([I[IIIIIII)V", "Draws an open polyline with arrow heads.",
       join({pointPairs(), colours(), {lineWidth(), lineStyle(), code("lineEnd", kLineEnds)}})},
      {"drawPolyline([IIIIIII)V",
       "Draws an open polyline with arrow heads; moved by the canvas translation.",
       join({pointList(kInterleavedMoved),
             colours(),
             {lineWidth(), lineStyle(), code("lineEnd", kLineEnds)}})},
      {"drawBezier([IIIIII)V",
       "Draws a Bezier line through control points; moved by the canvas translation. The style "
       "also selects the line ends.",
       join({pointList(kInterleavedMoved), colours(), {lineWidth(), lineStyle()}})},
      {"drawMarks([I[IIIIII)V",
       "Draws a mark centred on each point of a range of two coordinate arrays.",
       {plain("xs", "an int[] of x in pixels"),
        plain("ys", "an int[] of y in pixels"),
        {"start", Unit::Index, nullptr, "the first point marked"},
        {"count", Unit::Count, nullptr, "points marked"},
        colour("color"),
        pixels("size", "an even size draws as the next odd one"),
        code("type", kMarkTypes)}},
      {"rotatePtX(II)I",
       "Gives the x offset of a radius turned by an angle.",
       {radius(), {"angle", Unit::Degrees}},
       "cos(angle) x radius, truncated"},
      {"rotatePtY(II)I",
       "Gives the y offset (screen direction) of a radius turned by an angle.",
       {radius(), {"angle", Unit::Degrees}},
       "-sin(angle) x radius, truncated"},
      {"preciseRotatePtX(II)I",
       "Gives the x offset of a radius turned by an angle.",
       {radius(), {"angle", Unit::Tenths}},
       "cos(angle) x radius, truncated"},
      {"preciseRotatePtY(II)I",
       "Gives the y offset (screen direction) of a radius turned by an angle.",
       {radius(), {"angle", Unit::Tenths}},
       "-sin(angle) x radius, truncated"},
      {"preCalculatePolygonParams(I[I[I[I[I)V",
       "Turns a polygon's vertices into polar form for fillRotatingPolygon: writes radii and "
       "angles.",
       join({{{"n", Unit::Count, nullptr, "vertices"}}, polarArrays()})},
      {"fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V",
       "Fills and outlines a polygon in polar form turned by an angle about a centre.",
       join({{{"n", Unit::Count, nullptr, "vertices, at most 100 drawn"}},
             polarArrays(),
             {pixels("centreX"),
              pixels("centreY"),
              {"rotation", Unit::Tenths},
              colour("fillColor"),
              colour("borderColor"),
              flag("fill", "true fills, with a one-pixel outline in the fill colour"),
              flag("border", "true outlines in the border colour")}})},
  };
}

}  // namespace panel::natives
