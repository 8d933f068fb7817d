#include "shapes/FillLevelClip.h"

#include "platform/DrawingService.h"

namespace zelmo {

FillLevelClip::FillLevelClip(const Box& area, int32_t layer) : layer_(layer) {
  osGXsetClipFillAnimation(1);
  hadClip_ = osGXgetClipArea(&saved_.x1, &saved_.y1, &saved_.x2, &saved_.y2, layer_);
  osGXsetClipArea(area.x1, area.y1, area.x2, area.y2, layer_);
}

FillLevelClip::~FillLevelClip() {
  if (hadClip_) {
    osGXsetClipArea(saved_.x1, saved_.y1, saved_.x2, saved_.y2, layer_);
  } else {
    osGXremoveClipArea(layer_);
  }
  osGXsetClipFillAnimation(0);
}

}  // namespace zelmo
