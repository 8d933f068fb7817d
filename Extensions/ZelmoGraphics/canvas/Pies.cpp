// Canvas pies with their own colours and border. They need the canvas only for its layer.
#include "canvas/CanvasNatives.h"
#include "canvas/Sectors.h"
#include "canvas/ShapeHelpers.h"
#include "records/CanvasRecord.h"

namespace zelmo::canvas {
namespace {

// An extent under 5 degrees draws the triangle centre, p1, p2, filled whenever a pattern is set.
constexpr int32_t kSmallExtent = 5;

void smallOrSector(int32_t extent, const EllipseBox& box, APOINT p1, APOINT p2,
                   const SectorLook& look, int32_t layer) {
  if (extent < kSmallExtent) {
    triangleSector({box.centre(), p1, p2}, look, look.fillPattern != 0);
  } else {
    fillPieSector(box, p1, p2, look, layer);
  }
}

}  // namespace

// fillPieWithBorder(IIIIIIIIIIII)V: angles
void fillPieWithBorder() {
  const ManagedFrame frame;
  const EllipseBox box = ellipseArg(frame, 0);
  const int32_t start = frame.intArg(4);
  const int32_t given = frame.intArg(5);
  const SectorLook look = sectorLookArg(frame, 6);
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  // Reduced once, not to one turn: 725 becomes 365.
  const int32_t extent = given > 360 ? given - 360 : given;
  const APOINT p1 = box.atDegrees(start);
  const APOINT p2 = box.atDegrees(int64_t{start} + extent);
  smallOrSector(extent, box, p1, p2, look, canvas->layer);
}

// fillPieWithBorder(IIIIIIIIIIIIII)V: translated
void fillPieWithBorderBetweenPoints() {
  const ManagedFrame frame;
  const EllipseBox box = ellipseArg(frame, 0, true);
  const APOINT p1{translatedX(frame.intArg(4)), translatedY(frame.intArg(5))};
  const APOINT p2{translatedX(frame.intArg(6)), translatedY(frame.intArg(7))};
  const SectorLook look = sectorLookArg(frame, 8);
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  fillPieSector(box, p1, p2, look, canvas->layer);
}

// fillPieWithBorder(IIIIIIIIIIIIIIZ)V: a fixed end
void fillPieWithBorderFromPoint() {
  const ManagedFrame frame;
  const EllipseBox box = ellipseArg(frame, 0);
  const APOINT fixed{frame.intArg(4), frame.intArg(5)};
  const int32_t angle = frame.intArg(6);
  const int32_t extent = frame.intArg(7);
  const SectorLook look = sectorLookArg(frame, 8);
  const bool first = frame.boolArg(14);
  const auto canvas = Canvas::of(frame);
  if (!canvas) return;
  const APOINT other = box.atDegrees(angle);
  smallOrSector(extent, box, first ? fixed : other, first ? other : fixed, look, canvas->layer);
}

}  // namespace zelmo::canvas
