#include "gx/PixelChanges.h"

#include <algorithm>

namespace gx {

PixelChanges::PixelChanges(const RasterBackend& raster) : raster_(raster) {
  layers_.resize(static_cast<size_t>(raster.layers()));
  for (size_t layer = 0; layer < layers_.size(); ++layer)
    raster.copyPixels(layers_[layer], static_cast<int>(layer));
}

bool PixelChanges::Changes::changed(int32_t x, int32_t y) const {
  if (!box || x < box->x1 || x > box->x2 || y < box->y1 || y > box->y2) return false;
  const int64_t width = int64_t{box->x2} - box->x1 + 1;
  return mask[static_cast<size_t>((int64_t{y} - box->y1) * width + (x - box->x1))] != 0;
}

PixelChanges::Changes PixelChanges::sinceLastLook() {
  const int width = raster_.width(), height = raster_.height();
  std::vector<uint8_t> differs(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  for (size_t layer = 0; layer < layers_.size(); ++layer) {
    raster_.copyPixels(now_, static_cast<int>(layer));
    for (size_t i = 0; i < now_.size(); ++i) differs[i] |= now_[i] != layers_[layer][i];
    layers_[layer].swap(now_);
  }
  Changes changes;
  int32_t x1 = width, y1 = height, x2 = -1, y2 = -1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (differs[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]) {
        x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      }
  if (x2 < 0) return changes;
  changes.box = PixelBox{x1, y1, x2, y2};
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      changes.mask.push_back(
          differs[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]);
  return changes;
}

}  // namespace gx
