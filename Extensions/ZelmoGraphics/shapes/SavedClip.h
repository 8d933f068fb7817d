// A layer's clip state, saved when the scope starts and put back when it ends, whatever the
// drawing service did to it in between: the same area again, or none if there was none.
#pragma once

#include <cstdint>

#include "platform/DrawingService.h"

namespace zelmo {

class SavedClip {
 public:
  explicit SavedClip(int32_t layer)
      : layer_(layer), set_(osGXgetClipArea(&x1_, &y1_, &x2_, &y2_, layer)) {}
  ~SavedClip() {
    if (set_)
      osGXsetClipArea(x1_, y1_, x2_, y2_, layer_);
    else
      osGXremoveClipArea(layer_);
  }
  SavedClip(const SavedClip&) = delete;
  SavedClip& operator=(const SavedClip&) = delete;

 private:
  int32_t layer_;
  int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  bool set_;
};

}  // namespace zelmo
