// Images of the raster backend: picture files and copies of layer areas, drawn at a point.
#include <algorithm>
#include <cstring>

#include "core/Utf.h"
#include "gx/ImageFile.h"
#include "gx/RasterInternal.h"

namespace gx {

namespace {

constexpr int32_t kPathLimit = 4096;

void setStatus(int32_t* status, int32_t value) {
  if (status) *status = value;
}

// Wraps pixels in a Cairo surface that draws from them in place.
raster::StoredImage store(std::unique_ptr<uint32_t[]> pixels, int width, int height) {
  raster::StoredImage image;
  image.surface.reset(
      cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.get()),
                                          CAIRO_FORMAT_ARGB32, width, height, width * 4));
  image.pixels = std::move(pixels);
  return image;
}

}  // namespace

void RasterBackend::setImageFolder(const std::string& folder) { impl_->imageFolder = folder; }

const std::vector<std::string>& RasterBackend::imageFiles() const { return impl_->imageFiles; }

stImageHandle RasterBackend::loadImage(const UniChar* path, int32_t* status) {
  std::string file;
  if (path) {
    int32_t length = 0;
    while (length < kPathLimit && path[length] != 0) ++length;
    file = core::utf8FromUtf16(path, length);
  }
  if (!file.empty() && file.front() != '/' && !impl_->imageFolder.empty())
    file = impl_->imageFolder + "/" + file;
  std::vector<std::string>& files = impl_->imageFiles;
  if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end())
    files.push_back(file);
  FileBytes read = readImageFile(file);
  if (read.status != kImageDone) {
    setStatus(status, read.status);
    return 0;
  }
  if (!impl_->images.hasRoomFor(0)) {
    setStatus(status, kImageTooLarge);
    return 0;
  }
  DecodedImage decoded = decodeImage(read.bytes, impl_->images.roomBytes());
  if (decoded.status != kImageDone) {
    setStatus(status, decoded.status);
    return 0;
  }
  const size_t bytes = decoded.bytes();
  const stImageHandle handle =
      impl_->images.add(store(std::move(decoded.pixels), decoded.width, decoded.height), bytes);
  setStatus(status, handle ? kImageDone : kImageTooLarge);
  return handle;
}

stImageHandle RasterBackend::createImage(int32_t layer, const POINTRECT* area, int32_t* status) {
  if (layer < 0 || layer >= layers()) {
    setStatus(status, kImageNoArea);
    return 0;
  }
  // A null area is the whole layer; an area, its corners in either order, is cut to the layer.
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
  const size_t bytes = size_t(w) * size_t(h) * 4;
  if (!impl_->images.hasRoomFor(bytes)) {
    setStatus(status, kImageTooLarge);
    return 0;
  }
  // The pixels as they are now: later drawing on the layer does not change the copy.
  cairo_surface_t* source = impl_->surfaces[layer];
  cairo_surface_flush(source);
  const unsigned char* data = cairo_image_surface_get_data(source);
  const int stride = cairo_image_surface_get_stride(source);
  auto pixels = std::make_unique_for_overwrite<uint32_t[]>(size_t(w) * size_t(h));
  for (int row = 0; row < h; ++row)
    std::memcpy(pixels.get() + size_t(row) * size_t(w), data + (y1 + row) * stride + x1 * 4,
                size_t(w) * 4);
  const stImageHandle handle = impl_->images.add(store(std::move(pixels), w, h), bytes);
  setStatus(status, handle ? kImageDone : kImageTooLarge);
  return handle;
}

void RasterBackend::unloadImage(stImageHandle image) { impl_->images.remove(image); }

void RasterBackend::image(int32_t layer, APOINT position, uint16_t width, uint16_t height,
                          stImageHandle image, int32_t imageOption, int32_t) {
  impl_->current = layer;
  const raster::StoredImage* found = impl_->images.find(image);
  if (!found) return;
  cairo_surface_t* source = found->surface.get();
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
