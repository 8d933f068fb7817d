// Small pieces shared by the geometric canvas natives: the canvas translation, and the thin outline
// that stands in for a missing border.
#pragma once

#include <cstdint>

#include "canvas/CanvasTransform.h"
#include "geometry/Box.h"
#include "geometry/IntMath.h"
#include "records/Colour.h"

namespace zelmo::canvas {

inline int32_t translatedX(int32_t x) { return add32(x, canvasTransform().translateX); }
inline int32_t translatedY(int32_t y) { return add32(y, canvasTransform().translateY); }
inline SizedBox translated(const SizedBox& box) {
  return box.movedBy(canvasTransform().translateX, canvasTransform().translateY);
}

// The style of every outline the module draws of its own choosing.
constexpr int32_t kSolidStyle = 1;

struct Border {
  int32_t color;
  int32_t lineWidth;
  int32_t lineStyle;
};

// A patterned shape whose border is switched off (style 0) or colourless still gets a
// one-pixel solid outline in its fill colour, so that it keeps a visible edge.
constexpr Border borderOrFallback(const Border& border, int32_t fillColor, bool patterned) {
  if (patterned && (border.lineStyle == 0 || isNoColour(border.color)))
    return {fillColor, 1, kSolidStyle};
  return border;
}

}  // namespace zelmo::canvas
