// Canvas natives that draw point lists: polygons, polylines and Bezier lines.
//
// Points come in two shapes. Two int arrays (xs, ys) are copied pairwise into a stack buffer of
// kMaxCopiedPoints points. One int array of x0, y0, x1, y1, ... is handed to the drawing service
// in place; the translating natives first add the canvas translation into that array, so the
// caller sees the translated coordinates afterwards.
#include <algorithm>
#include <array>
#include <optional>
#include "canvas/CanvasNatives.h"

#include "bridge/ManagedData.h"
#include "bridge/ObjectHandle.h"
#include "canvas/ShapeHelpers.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

constexpr int32_t kMaxCopiedPoints = 2800;
using PointBuffer = std::array<APOINT, kMaxCopiedPoints>;

struct Points {
  const APOINT* list;
  int32_t count;
};

// Managed code may pass a count its arrays cannot back. A negative count or a null array draws
// nothing; a count beyond the points that exist is cut to them, so nothing is read or written
// past an array or the buffer.
std::optional<int32_t> usableCount(int32_t count, bool arraysPresent, int32_t available) {
  if (count < 0 || !arraysPresent) return std::nullopt;
  return std::min(count, available);
}

// Point i is (xs[i] + dx, ys[i] + dy), xs and ys being reference arguments.
std::optional<Points> copyPoints(uint32_t xsArg, uint32_t ysArg, int32_t count, PointBuffer& buffer,
                                 int32_t dx = 0, int32_t dy = 0) {
  const IntArray xs = intArray(ObjectHandle::argument(xsArg).fields());
  const IntArray ys = intArray(ObjectHandle::argument(ysArg).fields());
  const auto n = usableCount(count, xs.elements && ys.elements,
                             std::min({xs.length, ys.length, kMaxCopiedPoints}));
  if (!n) return std::nullopt;
  for (int32_t i = 0; i < *n; ++i) {
    buffer[i] = APOINT{add32(xs.elements[i], dx), add32(ys.elements[i], dy)};
  }
  return Points{buffer.data(), *n};
}

enum class Translation { none, intoArray };

// The pairs of one array argument, in place.
std::optional<Points> pointsInPlace(uint32_t xyArg, int32_t count, Translation translation) {
  const IntArray xy = intArray(ObjectHandle::argument(xyArg).fields());
  const auto n = usableCount(count, xy.elements != nullptr, xy.length / 2);
  if (!n) return std::nullopt;
  if (translation == Translation::intoArray) {
    for (int32_t i = 0; i < *n; ++i) {
      xy.elements[2 * i] = translatedX(xy.elements[2 * i]);
      xy.elements[2 * i + 1] = translatedY(xy.elements[2 * i + 1]);
    }
  }
  return Points{reinterpret_cast<const APOINT*>(xy.elements), *n};
}

void outlinePolygon(const Points& p, uint16_t lineWidth, int32_t color, int32_t backColor,
                    uint16_t lineStyle) {
  osGXdrawPolygon(p.count, p.list, lineWidth, color, backColor, lineStyle);
}

void fillPolygonIn(const Points& p, int32_t fillColor, int32_t backColor, int32_t fillPattern,
                   bool fillFlag) {
  osGXfillPolygon(p.count, p.list, fillColor, backColor, low8(fillPattern), fillFlag);
}

// A filled polygon and its border; see borderOrFallback for a missing border.
void fillWithBorder(const Points& p, int32_t fillColor, int32_t backColor, int32_t fillPattern,
                    const Border& border, bool fillFlag) {
  if (fillPattern > 0) fillPolygonIn(p, fillColor, backColor, fillPattern, fillFlag);
  const Border b = borderOrFallback(border, fillColor, fillPattern != 0);
  if (b.lineStyle != 0) outlinePolygon(p, low8(b.lineWidth), b.color, backColor, low8(b.lineStyle));
}

void polyline(const Points& p, int32_t color, int32_t backColor, int32_t lineWidth,
              int32_t lineStyle, int32_t lineEnd) {
  osGXdrawPolyline(p.count, p.list, low8(lineWidth), low8(lineStyle), color, backColor,
                   low8(lineEnd));
}

}  // namespace

// drawPolygon([I[II)V
void drawPolygon() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  PointBuffer buffer;
  const auto points = copyPoints(1, 2, count, buffer);
  if (!points) return;
  outlinePolygon(*points, low8(pen->lineWidth), pen->color, 0, low8(pen->lineStyle));
}

// fillPolygon([I[II)V
void fillPolygon() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const auto pen = Canvas::of(frame);
  if (!pen) return;
  PointBuffer buffer;
  const auto points = copyPoints(1, 2, count, buffer);
  if (!points) return;
  fillPolygonIn(*points, pen->color, pen->backColor, pen->fillPattern, true);
  outlinePolygon(*points, 1, pen->color, pen->color, kSolidStyle);
}

// fillPolygon([I[IIIIBI)V
void fillPolygonWithColors() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const int32_t fillColor = frame.intArg(1);
  const int32_t backColor = frame.intArg(2);
  const int8_t fillPattern = frame.byteArg(3);  // the int after it is not used
  PointBuffer buffer;
  const auto points = copyPoints(1, 2, count, buffer);
  if (!points) return;
  fillPolygonIn(*points, fillColor, backColor, fillPattern, true);
  outlinePolygon(*points, 1, fillColor, fillColor, kSolidStyle);
}

// fillPolygon([I[IIIIIIBI)V
void fillPolygonOffset() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const int32_t dx = frame.intArg(1);
  const int32_t dy = frame.intArg(2);
  const int32_t fillColor = frame.intArg(3);
  const int32_t backColor = frame.intArg(4);
  const int8_t fillPattern = frame.byteArg(5);
  const int32_t lineWidth = frame.intArg(6);
  PointBuffer buffer;
  const auto points = copyPoints(1, 2, count, buffer, dx, dy);
  if (!points) return;
  fillPolygonIn(*points, fillColor, backColor, fillPattern, true);
  outlinePolygon(*points, low16(lineWidth), fillColor, fillColor, kSolidStyle);
}

// fillPolygonWithBorder([IIIIIIII)V
void fillPolygonWithBorder() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const int32_t fillColor = frame.intArg(1);
  const int32_t backColor = frame.intArg(2);
  const int32_t fillPattern = frame.intArg(3);
  const Border border{frame.intArg(4), frame.intArg(5), frame.intArg(6)};
  const auto points = pointsInPlace(1, count, Translation::none);
  if (!points) return;
  fillWithBorder(*points, fillColor, backColor, fillPattern, border, true);
}

// fillPolygonWithBorder([IIIIIIIIB)V
void fillPolygonWithBorderTranslated() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  const int32_t fillColor = frame.intArg(1);
  const int32_t backColor = frame.intArg(2);
  const int32_t fillPattern = frame.intArg(3);
  const Border border{frame.intArg(4), frame.intArg(5), frame.intArg(6)};
  const int8_t smooth = frame.byteArg(7);
  const auto points = pointsInPlace(1, count, Translation::intoArray);
  if (!points) return;
  fillWithBorder(*points, fillColor, backColor, fillPattern, border, smooth >= 1);
}

namespace {

// The arguments the polyline and Bezier natives share, in their order: count, colour, back
// colour, line width and line style.
struct LineLook {
  explicit LineLook(const ManagedFrame& frame)
      : count(frame.intArg(0)),
        color(frame.intArg(1)),
        backColor(frame.intArg(2)),
        lineWidth(frame.intArg(3)),
        lineStyle(frame.intArg(4)) {}
  int32_t count, color, backColor, lineWidth, lineStyle;
};

}  // namespace

// drawPolyline([I[IIIIIII)V
void drawPolyline() {
  const ManagedFrame frame;
  const LineLook look(frame);
  const int32_t lineEnd = frame.intArg(5);
  PointBuffer buffer;
  const auto points = copyPoints(1, 2, look.count, buffer);
  if (!points) return;
  polyline(*points, look.color, look.backColor, look.lineWidth, look.lineStyle, lineEnd);
}

// drawPolyline([IIIIIII)V
void drawPolylineTranslated() {
  const ManagedFrame frame;
  const LineLook look(frame);
  const int32_t lineEnd = frame.intArg(5);
  const auto points = pointsInPlace(1, look.count, Translation::intoArray);
  if (!points) return;
  polyline(*points, look.color, look.backColor, look.lineWidth, look.lineStyle, lineEnd);
}

// drawBezier([IIIIII)V: translated
void drawBezier() {
  const ManagedFrame frame;
  const LineLook look(frame);
  const auto points = pointsInPlace(1, look.count, Translation::intoArray);
  if (!points) return;
  // The style's low byte also picks the line ends.
  osGXdrawBezierLine(points->count, points->list, look.lineWidth, low8(look.lineStyle), look.color,
                     look.backColor, low8(look.lineStyle));
}

}  // namespace zelmo::canvas
