#include "shapes/FillLevelClip.h"

#include "platform/DrawingService.h"

namespace zelmo {

FillLevelClip::FillAnimation::FillAnimation() { osGXsetClipFillAnimation(1); }
FillLevelClip::FillAnimation::~FillAnimation() { osGXsetClipFillAnimation(0); }

FillLevelClip::FillLevelClip(const Box& area, int32_t layer) : saved_(layer) {
  osGXsetClipArea(area.x1, area.y1, area.x2, area.y2, layer);
}

}  // namespace zelmo
