#include "gx/PixelChanges.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

PixelChanges::Changes PixelChanges::sinceLastLook(std::optional<PixelBox> within) {
  const int32_t width = raster_.width(), height = raster_.height();
  PixelBox area{0, 0, width - 1, height - 1};
  if (within) {
    area = PixelBox{std::max(area.x1, within->x1), std::max(area.y1, within->y1),
                    std::min(area.x2, within->x2), std::min(area.y2, within->y2)};
  }
  Changes changes;
  if (area.x2 < area.x1 || area.y2 < area.y1) return changes;
  const auto areaWidth = static_cast<size_t>(area.x2 - area.x1 + 1);
  const auto areaHeight = static_cast<size_t>(area.y2 - area.y1 + 1);
  // Most looks find most rows unchanged: those cost one memcmp, and the mask is only made, and
  // only scanned, where something changed.
  std::vector<uint8_t> differs;
  int32_t x1 = INT32_MAX, y1 = INT32_MAX, x2 = -1, y2 = -1;
  for (size_t layer = 0; layer < layers_.size(); ++layer) {
    raster_.copyPixels(now_, static_cast<int>(layer), area);
    std::vector<uint32_t>& look = layers_[layer];
    for (size_t row = 0; row < areaHeight; ++row) {
      uint32_t* old = look.data() +
                      (static_cast<size_t>(area.y1) + row) * static_cast<size_t>(width) +
                      static_cast<size_t>(area.x1);
      const uint32_t* now = now_.data() + row * areaWidth;
      if (std::memcmp(old, now, areaWidth * sizeof(uint32_t)) == 0) continue;
      if (differs.empty()) differs.assign(areaWidth * areaHeight, 0);
      const int32_t y = area.y1 + static_cast<int32_t>(row);
      for (size_t column = 0; column < areaWidth; ++column) {
        if (now[column] == old[column]) continue;
        differs[row * areaWidth + column] = 1;
        old[column] = now[column];
        const int32_t x = area.x1 + static_cast<int32_t>(column);
        x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      }
    }
  }
  if (x2 < 0) return changes;
  changes.box = PixelBox{x1, y1, x2, y2};
  changes.mask.reserve(static_cast<size_t>(x2 - x1 + 1) * static_cast<size_t>(y2 - y1 + 1));
  for (int32_t y = y1; y <= y2; ++y)
    for (int32_t x = x1; x <= x2; ++x)
      changes.mask.push_back(
          differs[static_cast<size_t>(y - area.y1) * areaWidth + static_cast<size_t>(x - area.x1)]);
  return changes;
}

}  // namespace gx
