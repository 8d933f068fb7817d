#include "geometry/ShapeGeometry.h"

#include "geometry/IntMath.h"

namespace zelmo {

int32_t centerOf(int32_t a, int32_t b) {
  int32_t d = sub32(b, a);
  if (d % 2 != 0) d = sub32(sub32(b, 1), a);
  return add32(a, d / 2);
}

int32_t roundHalfUp(double v) {
  const int32_t t = wrap16(truncToInt32(v));
  return v >= t + 0.5 ? wrap16(t + 1) : t;
}

void mapPoint(double& px, double& py, const DoubleBox& from, const DoubleBox& to) {
  double fw = from.x2 - from.x1;
  if (fw == 0) fw = 1.0;
  double fh = from.y2 - from.y1;
  if (fh == 0) fh = 1.0;
  px = ((to.x2 - to.x1) / fw) * (px - from.x1) + to.x1;
  py = ((to.y2 - to.y1) / fh) * (py - from.y1) + to.y1;
}

Box resizeExtent(Box box, const Box& orig, int32_t percent, int8_t code) {
  const int32_t w = add32(sub32(orig.x2, orig.x1), 1);
  const int32_t h = add32(sub32(orig.y2, orig.y1), 1);
  const int32_t cx = centerOf(box.x1, box.x2);
  const int32_t cy = centerOf(box.y1, box.y2);
  const int32_t hw = (mul32(w, percent) / 2) / 100;
  const int32_t hh = (mul32(h, percent) / 2) / 100;
  namespace a = ResizeAnchor;
  switch (code) {
    case a::kCentreH:
      box.x1 = sub32(cx, hw);
      box.x2 = add32(cx, hw);
      break;
    case a::kRightKept:
      box.x1 = sub32(box.x2, mul32(w, percent) / 100);
      break;
    case a::kBottomKept:
      box.y1 = sub32(box.y2, mul32(h, percent) / 100);
      break;
    case a::kCentreV:
      box.y1 = sub32(cy, hh);
      box.y2 = add32(cy, hh);
      break;
    case a::kTopKept:
      box.y2 = add32(box.y1, mul32(h, percent) / 100);
      break;
    case a::kLeftKept:
      box.x2 = add32(box.x1, mul32(w, percent) / 100);
      break;
    default:
      break;
  }
  return box;
}

Point memberShift(const Box& memberOrig, const Box& groupOrig, const Box& groupNew, int8_t code) {
  const Box& m = memberOrig;
  namespace a = ResizeAnchor;
  double px = m.x1;
  double py = m.y1;
  const int32_t ax = centerOf(m.x1, m.x2);
  const int32_t ay = centerOf(m.y1, m.y2);
  if (code == a::kCentreH) px = ax;
  if (code == a::kRightKept) px = m.x2;
  if (code == a::kBottomKept) py = m.y2;
  if (code == a::kCentreV) py = ay;
  const auto asDoubles = [](const Box& b) {
    return DoubleBox{static_cast<double>(b.x1), static_cast<double>(b.y1),
                     static_cast<double>(b.x2), static_cast<double>(b.y2)};
  };
  mapPoint(px, py, asDoubles(groupOrig), asDoubles(groupNew));
  if (code == a::kCentreH) px = px - ax + m.x1;
  if (code == a::kRightKept) px = px - (static_cast<double>(m.x2) - m.x1);
  if (code == a::kBottomKept) py = py - (static_cast<double>(m.y2) - m.y1);
  if (code == a::kCentreV) py = py - ay + m.y1;
  return {wrap16(sub32(roundHalfUp(px), m.x1)), wrap16(sub32(m.y1, roundHalfUp(py)))};
}

}  // namespace zelmo
