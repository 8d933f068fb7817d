#include "geometry/FillLevel.h"

#include "geometry/IntMath.h"

namespace zelmo {
namespace {

namespace dir = LevelDirection;

struct Axes {
  uint8_t horizontal;  // 0 when the key names no horizontal code
  uint8_t vertical;
};

// Splits a key into its horizontal and vertical codes; false for a key that is neither one code
// nor one horizontal code combined with one vertical code.
bool splitKey(uint8_t key, Axes& axes) {
  if (key >= 1 && key <= 15) {
    axes = {static_cast<uint8_t>(key & 3), static_cast<uint8_t>(key & 12)};
    return true;
  }
  switch (key) {
    case 16:
    case 20:
    case 24:
    case 28:
      axes = {dir::kBySignH, static_cast<uint8_t>(key & 12)};
      return true;
    case 40:
    case 41:
    case 42:
    case 43:
      axes = {static_cast<uint8_t>(key & 3), dir::kBySignV};
      return true;
    case 56:
      axes = {dir::kBySignH, dir::kBySignV};
      return true;
    default:
      return false;
  }
}

// The product of a side and a percentage is a signed 32-bit value on the panel: it wraps there,
// and so it does here, without signed overflow.
int32_t scaled(int32_t side, int32_t percent) { return mul32(side, percent) / 100; }
int32_t halfScaled(int32_t side, int32_t percent) { return mul32(side, percent) / 2 / 100; }

// Applies one axis's rule to [lo, hi]; `first`/`last` are the box's corners on that axis.
void applyAxis(uint8_t code, int32_t first, int32_t last, int32_t percent, int32_t& lo,
               int32_t& hi) {
  if (code == 0) return;
  if (percent == 0) {
    lo = hi = 0;
    return;
  }
  const int32_t side = sub32(last, first);
  const int32_t centre = add32(first, side / 2);
  const int32_t half = halfScaled(side, percent);
  switch (code) {
    case dir::kFromLeft:  // also from the top: grows from the first corner
    case dir::kFromTop:
      hi = add32(first, scaled(side, percent));
      break;
    case dir::kFromRight:  // also from the bottom: grows from the last corner
    case dir::kFromBottom:
      lo = sub32(last, scaled(side, percent));
      break;
    case dir::kCentredH:
    case dir::kCentredV:
      lo = sub32(centre, half);
      hi = add32(centre, half);
      break;
    case dir::kBySignH:  // rightward for a positive percentage
      if (percent > 0) {
        lo = centre;
        hi = add32(centre, half);
      } else {
        lo = add32(centre, half);
        hi = centre;
      }
      break;
    case dir::kBySignV:  // upward for a positive percentage
      if (percent > 0) {
        lo = sub32(centre, half);
        hi = centre;
      } else {
        lo = centre;
        hi = sub32(centre, half);
      }
      break;
  }
}

}  // namespace

Box computeFillLevelArea(const Box& box, int32_t percentH, int32_t percentV, uint8_t directionH,
                         uint8_t directionV) {
  Box area = box;
  Axes axes{};
  if (!splitKey(static_cast<uint8_t>(directionH | directionV), axes)) return area;
  applyAxis(axes.horizontal, box.x1, box.x2, percentH, area.x1, area.x2);
  applyAxis(axes.vertical, box.y1, box.y2, percentV, area.y1, area.y2);
  return area;
}

}  // namespace zelmo
