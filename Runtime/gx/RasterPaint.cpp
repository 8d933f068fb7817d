// Colours, boxes and fill patterns of the raster backend.
#include <algorithm>
#include <cmath>

#include "gx/RasterInternal.h"

namespace gx::raster {

double clampCoordinate(double value) {
  if (std::isnan(value)) return 0;
  return std::clamp(value, -kCoordinateLimit, kCoordinateLimit);
}

void setColour(cairo_t* cr, int32_t colour) {
  const auto c = static_cast<uint32_t>(colour);
  cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                       (c & 0xFF) / 255.0);
}

Box boxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  // Pixel (x, y) covers [x, x + 1) x [y, y + 1), so an inclusive corner pair spans to max + 1.
  const double left = clampCoordinate(std::min<double>(x1, x2));
  const double top = clampCoordinate(std::min<double>(y1, y2));
  const double right = clampCoordinate(std::max<double>(x1, x2) + 1.0);
  const double bottom = clampCoordinate(std::max<double>(y1, y2) + 1.0);
  return Box{left, top, right, bottom};
}

namespace {

// Whether pixel (x, y) of the 8x8 tile of a hatch is drawn in the foreground colour.
bool hatchBit(unsigned pattern, int x, int y) {
  switch (pattern) {
    case 2:
      return y % 4 == 0;  // horizontal lines
    case 3:
      return x % 4 == 0;  // vertical lines
    case 4:
      return (x + y) % 4 == 3;  // rising diagonals  /
    case 5:
      return (x - y + 8) % 4 == 0;  // falling diagonals \  .
    case 6:
      return x % 4 == 0 || y % 4 == 0;  // grid
    case 7:
      return (x + y) % 4 == 3 || (x - y + 8) % 4 == 0;  // diagonal cross
    case 8:
      return (x + y) % 2 == 0;  // 50 % checker
    case 9:
      return x % 2 == 0 && y % 2 == 0;  // 25 % dots
    case 10:
      return x % 4 == 0 && y % 4 == 0;  // sparse dots
    case 11:
      return !(x % 2 == 1 && y % 2 == 1);  // 75 %
    default:
      return true;  // solid
  }
}

uint32_t premultiplied(int32_t colour) {
  return 0xFF000000u | (static_cast<uint32_t>(colour) & 0xFFFFFFu);
}

}  // namespace

bool setFillSource(cairo_t* cr, unsigned pattern, int32_t colour, int32_t backColour) {
  if (pattern == 0 || !hasColour(colour)) return false;
  if (pattern == 1 || pattern > 11) {
    setColour(cr, colour);
    return true;
  }
  cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  if (cairo_surface_status(tile) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(tile);
    setColour(cr, colour);
    return true;
  }
  cairo_surface_flush(tile);
  unsigned char* data = cairo_image_surface_get_data(tile);
  const int stride = cairo_image_surface_get_stride(tile);
  const uint32_t fore = premultiplied(colour);
  const uint32_t back = hasColour(backColour) ? premultiplied(backColour) : 0;
  for (int y = 0; y < 8; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < 8; ++x) row[x] = hatchBit(pattern, x, y) ? fore : back;
  }
  cairo_surface_mark_dirty(tile);
  // The tile is anchored at the surface origin, so that neighbouring shapes' hatches line up.
  cairo_pattern_t* source = cairo_pattern_create_for_surface(tile);
  cairo_pattern_set_extend(source, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(source, CAIRO_FILTER_NEAREST);
  cairo_set_source(cr, source);
  cairo_pattern_destroy(source);
  cairo_surface_destroy(tile);
  return true;
}

}  // namespace gx::raster
