// The drawing service drawn for real: one Cairo ARGB surface per layer, the clip area per layer,
// inclusive pixel corners drawn pixel-exact. What each line style, fill pattern, line end, text
// mode and option means is documented in docs/drawing-service.md.
#pragma once

#include <memory>
#include <string>

#include "gx/Backend.h"

namespace gx {

class RasterBackend : public Backend {
 public:
  // `layers` surfaces of width x height; layer 0 starts filled with `background` (0x00RRGGBB),
  // the others transparent. Drawing on a layer outside 0..layers-1 draws nothing.
  RasterBackend(int width, int height, int layers, uint32_t background);
  ~RasterBackend() override;

  int width() const;
  int height() const;
  int layers() const;
  // The layer that calls without a layer parameter draw on; the service follows the last layer
  // named by a call that has one (clip, text, pie, image), as the panel's service does.
  int currentLayer() const;

  // 0xAARRGGBB of one pixel of a layer, or of all layers composited in order (layer -1).
  uint32_t pixel(int x, int y, int layer = -1) const;
  // Writes all layers composited in order as a PNG; false with a message on failure.
  bool writePng(const std::string& path, std::string* error = nullptr) const;

  // The drawing entry points of Backend that draw are overridden here.

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace gx
