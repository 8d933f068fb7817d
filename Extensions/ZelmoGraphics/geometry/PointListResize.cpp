#include "geometry/PointListResize.h"

#include "geometry/IntMath.h"

namespace zelmo {
namespace {

// One axis of the frame: the edge near 0, the far edge, both in design-time and current
// geometry, and the two centres.
struct Axis {
  int32_t origNear, origFar, near, far, origCentre, centre;
};

enum class Anchor { none, centre, farKept, nearKept };

Anchor horizontalAnchor(int8_t code) {
  namespace a = ResizeAnchor;
  if (code == a::kCentreH) return Anchor::centre;
  if (code == a::kRightKept) return Anchor::farKept;
  if (code == a::kLeftKept) return Anchor::nearKept;
  return Anchor::none;
}

Anchor verticalAnchor(int8_t code) {
  namespace a = ResizeAnchor;
  if (code == a::kCentreV) return Anchor::centre;
  if (code == a::kBottomKept) return Anchor::farKept;
  if (code == a::kTopKept) return Anchor::nearKept;
  return Anchor::none;
}

// Around the kept centre: each side scales towards it and never crosses it. An even design-time
// span has its centre between two pixels, hence the half-pixel terms.
int32_t scaledAboutCentre(int32_t v, const Axis& a, int32_t p) {
  const int32_t c = a.origCentre;
  const int32_t C = a.centre;
  const bool evenSpan = sub32(a.origFar, a.origNear) % 2 == 0;
  if (v > c) {
    const int32_t r = evenSpan ? add32(C, mul32(add32(mul32(2, sub32(v, c)), 1), p) / 200)
                               : add32(C, mul32(sub32(v, c), p) / 100);
    return r < C ? C : r;
  }
  if (v < c) {
    int32_t r;
    if (evenSpan) {
      r = sub32(C, mul32(add32(mul32(2, sub32(c, v)), 1), p) / 200);
      if ((p / 100) % 2 == 0) r = add32(r, 1);
    } else {
      r = add32(add32(C, mul32(sub32(sub32(v, c), 1), p) / 100), 1);
    }
    return r > C ? C : r;
  }
  return C;
}

int32_t scaled(int32_t v, Anchor anchor, const Axis& a, int32_t p) {
  switch (anchor) {
    case Anchor::centre:
      return scaledAboutCentre(v, a, p);
    case Anchor::farKept: {
      const int32_t r = v != a.origFar
                            ? add32(add32(a.far, mul32(sub32(sub32(v, a.origFar), 1), p) / 100), 1)
                            : add32(a.far, 1);
      return r > a.far ? a.far : r;
    }
    case Anchor::nearKept: {
      const int32_t r =
          v != a.origNear ? sub32(add32(a.near, mul32(add32(sub32(v, a.origNear), 1), p) / 100), 1)
                          : sub32(a.near, 1);
      return r < a.near ? a.near : r;
    }
    case Anchor::none:
      break;
  }
  return v;
}

int32_t centreAfter(Anchor anchor, const Axis& a, int32_t p) {
  if (anchor == Anchor::farKept)
    return add32(mul32(sub32(a.origCentre, a.origFar), p) / 100, a.far);
  if (anchor == Anchor::nearKept)
    return add32(mul32(sub32(a.origCentre, a.origNear), p) / 100, a.near);
  return a.centre;
}

// Axis k (0 x, 1 y) of every point.
int32_t scaleAxis(int32_t count, const int32_t* source, int32_t* target, int k, Anchor anchor,
                  const Axis& a, int32_t p) {
  if (anchor == Anchor::none) return a.centre;
  for (int32_t i = 0; i < count; ++i) target[2 * i + k] = scaled(source[2 * i + k], anchor, a, p);
  return centreAfter(anchor, a, p);
}

}  // namespace

std::optional<Box> pointListBox(const int32_t* xy, int32_t count) {
  if (!xy || count < 1) return std::nullopt;
  Box b{xy[0], xy[1], xy[0], xy[1]};
  for (int32_t i = 0; i < count; ++i) {
    const int32_t x = xy[2 * i];
    const int32_t y = xy[2 * i + 1];
    if (x < b.x1) {
      b.x1 = x;
    } else if (x > b.x2) {
      b.x2 = x;
    }
    if (y < b.y1) {
      b.y1 = y;
    } else if (y > b.y2) {
      b.y2 = y;
    }
  }
  return b;
}

std::optional<Point> pointListCenter(const int32_t* xy, int32_t count) {
  const std::optional<Box> b = pointListBox(xy, count);
  if (!b) return std::nullopt;
  return Point{centerOf(b->x1, b->x2), centerOf(b->y1, b->y2)};
}

void translatePointList(int32_t count, int32_t dx, int32_t dy, const int32_t* source,
                        int32_t* target) {
  for (int32_t i = 0; i < count; ++i) {
    target[2 * i] = add32(source[2 * i], dx);
    target[2 * i + 1] = sub32(source[2 * i + 1], dy);
  }
}

Point translated(Point p, int32_t dx, int32_t dy) { return {add32(p.x, dx), sub32(p.y, dy)}; }

Point scalePointList(int32_t count, const int32_t* source, int32_t* target, const ResizeFrame& f,
                     AxisResize horizontal, AxisResize vertical) {
  const Axis xAxis{f.orig.x1, f.orig.x2, f.box.x1, f.box.x2, f.origCenter.x, f.center.x};
  const Axis yAxis{f.orig.y1, f.orig.y2, f.box.y1, f.box.y2, f.origCenter.y, f.center.y};
  if (!source || !target) count = 0;
  const int32_t cx = scaleAxis(count, source, target, 0, horizontalAnchor(horizontal.code), xAxis,
                               horizontal.percent);
  const int32_t cy =
      scaleAxis(count, source, target, 1, verticalAnchor(vertical.code), yAxis, vertical.percent);
  return {cx, cy};
}

}  // namespace zelmo
