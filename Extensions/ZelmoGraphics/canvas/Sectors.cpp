#include "canvas/Sectors.h"

#include "canvas/ShapeHelpers.h"
#include "geometry/ArcGeometry.h"
#include "platform/DrawingService.h"

namespace zelmo::canvas {

APOINT EllipseBox::centre() const { return {add32(x, w / 2), add32(y, h / 2)}; }

APOINT EllipseBox::atDegrees(int64_t degrees) const {
  return pointOnEllipseDegrees(x, y, w, h, degrees);
}

APOINT EllipseBox::atTenths(int64_t tenths) const {
  return pointOnEllipseTenths(x, y, w, h, tenths);
}

EllipseBox ellipseArg(const ManagedFrame& frame, uint32_t first, bool withTranslation) {
  const SizedBox box = frame.boxArg(first);
  return {withTranslation ? translated(box) : box};
}

SectorLook sectorLookArg(const ManagedFrame& frame, uint32_t first) {
  return {frame.intArg(first),     frame.intArg(first + 1), frame.intArg(first + 2),
          frame.intArg(first + 3), frame.intArg(first + 4), frame.intArg(first + 5)};
}

void triangleSector(const Triangle& t, const SectorLook& look, bool fill) {
  if (fill) {
    osGXfillPolygon(3, t.data(), look.fillColor, look.backColor, low8(look.fillPattern), true);
  }
  osGXdrawPolygon(3, t.data(), low8(look.lineWidth), look.lineColor, look.backColor,
                  low8(look.lineStyle));
}

void fillPieSector(const EllipseBox& box, APOINT p1, APOINT p2, const SectorLook& look,
                   int32_t layer) {
  const POINTRECT ellipse = box.corners().rect();
  const APOINT c = box.centre();
  const POINTRECT bounds = arcBounds(c, ellipse, p1, p2, true);
  if (isFlat(bounds)) {
    triangleSector({c, p1, p2}, look, look.fillPattern > 0);
    return;
  }
  if (p1.x == p2.x && p1.y == p2.y) {
    osGXfillEllipse(ellipse.x1, ellipse.y1, ellipse.x2, ellipse.y2, look.fillColor,
                    low16(look.fillPattern), look.backColor);
    osGXdrawEllipse(ellipse.x1, ellipse.y1, ellipse.x2, ellipse.y2, look.lineColor,
                    low16(look.lineStyle), low16(look.lineWidth), look.backColor);
    osGXdrawLine(c.x, c.y, p1.x, p1.y, low16(look.lineWidth), low16(look.lineStyle), look.lineColor,
                 look.backColor, 0);
    return;
  }
  const POINTLINE ends{p1.x, p1.y, p2.x, p2.y};
  const PLANECOL colours{look.lineColor, look.backColor, look.fillColor};
  const PLANEATTRIB attributes{low8(look.lineWidth), low8(look.lineStyle), low8(look.fillPattern),
                               kPieOutlineWhole};
  osGXpie(layer, &ellipse, &ends, &colours, &attributes, &bounds, true);
}

}  // namespace zelmo::canvas
