// Which pixels of a raster backend changed, on any layer, between two looks.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gx/RasterBackend.h"

namespace gx {

class PixelChanges {
 public:
  // Takes the first look.
  explicit PixelChanges(const RasterBackend& raster);

  struct Changes {
    std::optional<PixelBox> box;  // the smallest box holding every changed pixel; none: none did
    std::vector<uint8_t> mask;    // 1 per changed pixel of the box, row by row
    bool changed(int32_t x, int32_t y) const;
  };
  // The pixels that differ from the last look, on any layer; the current pixels become the look.
  // `within` (x1 <= x2, y1 <= y2) limits both to an area, for callers that know nothing changed
  // outside it; an empty area finds nothing.
  Changes sinceLastLook(std::optional<PixelBox> within = std::nullopt);

 private:
  const RasterBackend& raster_;
  std::vector<std::vector<uint32_t>> layers_;
  std::vector<uint32_t> now_;
};

}  // namespace gx
