// The process-wide canvas transform: one translation and 8.8 fixed-point scale shared by every
// canvas and layer, with a single level of saved translation.
#pragma once

#include <cstdint>

namespace zelmo {

struct CanvasTransform {
  int32_t translateX = 0;
  int32_t translateY = 0;
  int32_t scaleX = 0;  // stays 0 until the first setTransform or resetTransform
  int32_t scaleY = 0;
  int32_t savedTranslateX = 0;
  int32_t savedTranslateY = 0;
};

CanvasTransform& canvasTransform();

}  // namespace zelmo
