#include "geometry/RectangleResize.h"

#include "geometry/IntMath.h"

namespace zelmo {
namespace {

// One axis: the edges, the design-time edges, the size and the centre.
struct Span {
  int32_t& low;
  int32_t& high;
  int32_t origLow;
  int32_t origHigh;
  int32_t& size;
  int32_t& centre;
  int32_t origCentre;
};

enum class Kept { centre, high, low };

void resizeSpan(Span s, int32_t percent, Kept kept) {
  const int32_t size = s.size;
  switch (kept) {
    case Kept::centre: {
      const int32_t c = centerOf(s.low, s.high);
      const int32_t half = size / 2;
      s.low = wrap16(sub32(c, half));
      s.high = wrap16(add32(c, half));
      // An even size spans one pixel fewer than 2 * half + 1.
      if (size % 2 == 0) s.low = wrap16(add32(s.low, 1));
      if (s.high < s.low) s.low = s.high;
      break;
    }
    case Kept::high:
      s.low = wrap16(add32(sub32(s.high, size), 1));
      s.centre = wrap16(add32(s.high, mul32(sub32(s.origCentre, s.origHigh), percent) / 100));
      if (s.high < s.low) s.low = s.high;
      break;
    case Kept::low:
      s.high = wrap16(sub32(add32(s.low, size), 1));
      s.centre = wrap16(add32(s.low, mul32(sub32(s.origCentre, s.origLow), percent) / 100));
      if (s.high < s.low) s.high = s.low;
      break;
  }
}

int32_t scaledSize(int32_t origLow, int32_t origHigh, int32_t percent) {
  return mul32(add32(sub32(origHigh, origLow), 1), percent) / 100;
}

}  // namespace

void resizeRectangle(RectangleGeometry& r, int32_t percentX, int8_t codeX, int32_t percentY,
                     int8_t codeY) {
  namespace a = ResizeAnchor;
  if (codeX != a::kNone) {
    r.width = scaledSize(r.orig.x1, r.orig.x2, percentX);
    const Span span{r.box.x1, r.box.x2, r.orig.x1, r.orig.x2, r.width, r.center.x, r.origCenter.x};
    if (codeX == a::kCentreH) resizeSpan(span, percentX, Kept::centre);
    if (codeX == a::kRightKept) resizeSpan(span, percentX, Kept::high);
    if (codeX == a::kLeftKept) resizeSpan(span, percentX, Kept::low);
  }
  if (codeY != a::kNone) {
    r.height = scaledSize(r.orig.y1, r.orig.y2, percentY);
    const Span span{r.box.y1, r.box.y2, r.orig.y1, r.orig.y2, r.height, r.center.y, r.origCenter.y};
    if (codeY == a::kCentreV) resizeSpan(span, percentY, Kept::centre);
    if (codeY == a::kBottomKept) resizeSpan(span, percentY, Kept::high);
    if (codeY == a::kTopKept) resizeSpan(span, percentY, Kept::low);
  }
}

}  // namespace zelmo
