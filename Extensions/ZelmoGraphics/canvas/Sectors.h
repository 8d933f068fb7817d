// What the canvas arc, pie and thick-arc natives share: the ellipse of a box argument set, the
// triangle that stands in for a sector too small or flat to draw as one, and the filled sector
// with its border.
#pragma once

#include <array>
#include <cstdint>

#include "bridge/ManagedFrame.h"
#include "geometry/Box.h"
#include "platform/PlatformTypes.h"

namespace zelmo::canvas {

// The ellipse of a box given as corner and size.
struct EllipseBox : SizedBox {
  APOINT centre() const;
  APOINT atDegrees(int64_t degrees) const;
  APOINT atTenths(int64_t tenths) const;
};

// Four int arguments from `first` on; `translated` shifts the corner by the canvas translation.
EllipseBox ellipseArg(const ManagedFrame& frame, uint32_t first, bool withTranslation = false);

// Six int arguments from `first` on, in the order of the pie natives: fillColor, backColor,
// fillPattern, lineColor, lineWidth, lineStyle.
struct SectorLook {
  int32_t fillColor, backColor, fillPattern, lineColor, lineWidth, lineStyle;
};
SectorLook sectorLookArg(const ManagedFrame& frame, uint32_t first);

using Triangle = std::array<APOINT, 3>;

// The triangle centre, p1, p2: filled (when `fill`) and outlined, width and style on 8 bits.
void triangleSector(const Triangle& t, const SectorLook& look, bool fill);

// A filled and bordered sector from p1 counter-clockwise to p2: a triangle when its box is flat,
// a disc with one radius when p1 = p2, else one pie call on `layer`.
void fillPieSector(const EllipseBox& box, APOINT p1, APOINT p2, const SectorLook& look,
                   int32_t layer);

// The attributes' fourth byte, which every pie call carries: outline the whole sector.
constexpr uint8_t kPieOutlineWhole = 1;

}  // namespace zelmo::canvas
