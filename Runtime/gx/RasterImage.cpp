// Images of the raster backend: PNG files and copies of layer areas, drawn at a point.
#include <algorithm>

#include "core/Utf.h"
#include "gx/RasterInternal.h"

namespace gx {

namespace {

// Status values handed back by loadImage and createImage.
constexpr int32_t kImageOk = 0;
constexpr int32_t kImageUnreadable = 1;  // no such file, or not a PNG
constexpr int32_t kImageNoArea = 2;      // no such layer, or the area misses the surface

constexpr int32_t kPathLimit = 4096;

void setStatus(int32_t* status, int32_t value) {
  if (status) *status = value;
}

}  // namespace

stImageHandle RasterBackend::loadImage(const UniChar* path, int32_t* status) {
  std::string file;
  if (path) {
    int32_t length = 0;
    while (length < kPathLimit && path[length] != 0) ++length;
    file = core::utf8FromUtf16(path, length);
  }
  cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
  if (file.empty() || cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    setStatus(status, kImageUnreadable);
    return 0;
  }
  if (nextImageHandle_ == 0) ++nextImageHandle_;
  const stImageHandle handle = nextImageHandle_++;
  impl_->images[handle] = image;
  setStatus(status, kImageOk);
  return handle;
}

stImageHandle RasterBackend::createImage(int32_t layer, const POINTRECT* area, int32_t* status) {
  if (layer < 0 || layer >= layers()) {
    setStatus(status, kImageNoArea);
    return 0;
  }
  // A null area is the whole layer; an area is cut to the surface.
  int64_t x1 = 0, y1 = 0, x2 = impl_->width - 1, y2 = impl_->height - 1;
  if (area) {
    x1 = std::max<int64_t>(x1, std::min(area->x1, area->x2));
    y1 = std::max<int64_t>(y1, std::min(area->y1, area->y2));
    x2 = std::min<int64_t>(x2, std::max(area->x1, area->x2));
    y2 = std::min<int64_t>(y2, std::max(area->y1, area->y2));
  }
  if (x2 < x1 || y2 < y1) {
    setStatus(status, kImageNoArea);
    return 0;
  }
  const int w = static_cast<int>(x2 - x1 + 1), h = static_cast<int>(y2 - y1 + 1);
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_surface(cr, impl_->surfaces[layer], -static_cast<double>(x1),
                           -static_cast<double>(y1));
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  if (nextImageHandle_ == 0) ++nextImageHandle_;
  const stImageHandle handle = nextImageHandle_++;
  impl_->images[handle] = image;
  setStatus(status, kImageOk);
  return handle;
}

void RasterBackend::unloadImage(stImageHandle image) {
  const auto found = impl_->images.find(image);
  if (found == impl_->images.end()) return;
  cairo_surface_destroy(found->second);
  impl_->images.erase(found);
}

void RasterBackend::image(int32_t layer, APOINT position, uint16_t width, uint16_t height,
                          stImageHandle image, int32_t imageOption, int32_t) {
  impl_->current = layer;
  const auto found = impl_->images.find(image);
  if (found == impl_->images.end()) return;
  cairo_surface_t* source = found->second;
  cairo_t* cr = begin(layer);
  if (!cr) return;
  const double imageW = cairo_image_surface_get_width(source);
  const double imageH = cairo_image_surface_get_height(source);
  double scaleX = 1, scaleY = 1;
  if (imageOption == 1) {  // stretched to width x height; a size of 0 keeps the image's own
    if (width > 0) scaleX = width / imageW;
    if (height > 0) scaleY = height / imageH;
  } else if (imageOption == 2 && width > 0 && height > 0) {  // fitted, proportions kept
    scaleX = scaleY = std::min(width / imageW, height / imageH);
  }
  cairo_translate(cr, raster::clampCoordinate(position.x), raster::clampCoordinate(position.y));
  cairo_scale(cr, scaleX, scaleY);
  cairo_set_source_surface(cr, source, 0, 0);
  // Enlarged pixels stay sharp squares; reduced images are smoothed.
  cairo_pattern_set_filter(cairo_get_source(cr),
                           scaleX >= 1 && scaleY >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  // A smoothed reduction may bleed half a source pixel past the image's own area.
  raster::paintWithin(cr, raster::Box{-0.5, -0.5, imageW + 0.5, imageH + 0.5});
  cairo_destroy(cr);
}

}  // namespace gx
