// Copies of the raster backend's pixels, for reports that show how a picture came about.
#include <algorithm>
#include <cstring>

#include "gx/PngFile.h"
#include "gx/RasterInternal.h"

namespace gx {

namespace {

// All layers painted in order onto one new surface of the given size, which shows the area at
// (x, y) of the layers; the caller destroys it.
cairo_surface_t* compositeOf(const std::vector<cairo_surface_t*>& layers, int width, int height,
                             int x = 0, int y = 0) {
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(out);
  for (cairo_surface_t* surface : layers) {
    cairo_set_source_surface(cr, surface, -x, -y);
    cairo_paint(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(out);
  return out;
}

void copyRows(cairo_surface_t* surface, const PixelBox& area, std::vector<uint32_t>& out) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface));
  const auto width = static_cast<size_t>(area.x2 - area.x1 + 1);
  out.resize(width * static_cast<size_t>(area.y2 - area.y1 + 1));
  for (int32_t y = area.y1; y <= area.y2; ++y)
    std::memcpy(out.data() + static_cast<size_t>(y - area.y1) * width,
                data + static_cast<size_t>(y) * stride + static_cast<size_t>(area.x1) * 4,
                width * 4);
}

}  // namespace

void RasterBackend::copyPixels(std::vector<uint32_t>& out, int layer) const {
  copyPixels(out, layer, PixelBox{0, 0, impl_->width - 1, impl_->height - 1});
}

void RasterBackend::copyPixels(std::vector<uint32_t>& out, int layer, const PixelBox& area) const {
  if (layer >= layers()) {
    out.assign(
        static_cast<size_t>(area.x2 - area.x1 + 1) * static_cast<size_t>(area.y2 - area.y1 + 1), 0);
    return;
  }
  if (layer >= 0) {
    copyRows(impl_->surfaces[static_cast<size_t>(layer)], area, out);
    return;
  }
  cairo_surface_t* composite = compositeOf(impl_->surfaces, impl_->width, impl_->height);
  copyRows(composite, area, out);
  cairo_surface_destroy(composite);
}

std::string RasterBackend::compositePng(const PixelBox& area) const {
  const int x1 = std::max(0, std::min(area.x1, area.x2));
  const int y1 = std::max(0, std::min(area.y1, area.y2));
  const int x2 = std::min(impl_->width - 1, std::max(area.x1, area.x2));
  const int y2 = std::min(impl_->height - 1, std::max(area.y1, area.y2));
  if (x2 < x1 || y2 < y1) return {};
  // Only the area is composited: a report asks for a small patch after every call.
  cairo_surface_t* part = compositeOf(impl_->surfaces, x2 - x1 + 1, y2 - y1 + 1, x1, y1);
  std::string png = quickPngBytes(part);
  cairo_surface_destroy(part);
  return png;
}

}  // namespace gx
