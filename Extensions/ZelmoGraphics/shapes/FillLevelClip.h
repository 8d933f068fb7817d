// The fill-level pass every gauge-like shape shares: draw the empty look, then draw the normal
// look again clipped to the filled part, and leave the layer's clip area as it was.
#pragma once

#include <cstdint>

#include "geometry/FillLevel.h"
#include "geometry/IntMath.h"
#include "shapes/SavedClip.h"
#include "shapes/ShapeLook.h"

namespace zelmo {

// While alive, the layer is clipped to `area` with the service's fill animation on. On the way
// out the earlier clip area comes back exactly, or is removed if there was none, and the
// animation is switched off.
class FillLevelClip {
 public:
  FillLevelClip(const Box& area, int32_t layer);

 private:
  // Members start in this order and end in the reverse: animation on, clip saved; clip
  // restored, animation off.
  struct FillAnimation {
    FillAnimation();
    ~FillAnimation();
  };
  FillAnimation animation_;
  SavedClip saved_;
};

// drawEmpty() unclipped, then drawFilled() under the clip of the level's area in `box`.
template <typename DrawEmpty, typename DrawFilled>
void drawWithFillLevel(const FillLevel& level, const Box& box, int32_t layer, DrawEmpty&& drawEmpty,
                       DrawFilled&& drawFilled) {
  drawEmpty();
  const FillLevelClip clip(level.areaOf(box), layer);
  drawFilled();
}

// The gauge of a shape drawn as a fill with an outline on top: the empty look (the level's back
// fill, when it has a pattern), then the normal fill under the level's clip, outlined each time.
template <typename Fill, typename NormalFill, typename Outline>
void drawOutlinedGauge(const FillLevel& level, const Box& box, int32_t layer, Fill&& fill,
                       NormalFill&& normalFill, Outline&& outline) {
  drawWithFillLevel(
      level, box, layer,
      [&] {
        if (level.backPattern != 0) fill(level.backColor, low8(level.backPattern));
        outline();
      },
      [&] {
        normalFill();
        outline();
      });
}

}  // namespace zelmo
