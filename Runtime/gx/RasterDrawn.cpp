// The drawing operations of the raster backend, each measuring the pixels it can touch.
#include <algorithm>
#include <cmath>

#include "gx/RasterInternal.h"

namespace gx::raster {

namespace {

const cairo_user_data_key_t kDrawnBoxKey{};

// The device-space box of a user-space box under the context's current transformation.
Box toDevice(cairo_t* cr, double x1, double y1, double x2, double y2) {
  double xs[4] = {x1, x2, x1, x2}, ys[4] = {y1, y1, y2, y2};
  Box out{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (int i = 0; i < 4; ++i) {
    cairo_user_to_device(cr, &xs[i], &ys[i]);
    out.left = std::min(out.left, xs[i]);
    out.top = std::min(out.top, ys[i]);
    out.right = std::max(out.right, xs[i]);
    out.bottom = std::max(out.bottom, ys[i]);
  }
  return out;
}

// Adds the user-space box, cut to the clip and the surface, to the context's drawn box.
void note(cairo_t* cr, double x1, double y1, double x2, double y2) {
  auto* drawn = static_cast<std::optional<PixelBox>*>(cairo_get_user_data(cr, &kDrawnBoxKey));
  if (!drawn) return;
  double cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
  cairo_clip_extents(cr, &cx1, &cy1, &cx2, &cy2);
  const Box shape = toDevice(cr, x1, y1, x2, y2);
  const Box clip = toDevice(cr, cx1, cy1, cx2, cy2);
  cairo_surface_t* target = cairo_get_target(cr);
  const double width = cairo_image_surface_get_width(target);
  const double height = cairo_image_surface_get_height(target);
  // A pixel is touched when any part of it lies inside: round outwards.
  const double left = std::floor(std::max({shape.left, clip.left, 0.0}));
  const double top = std::floor(std::max({shape.top, clip.top, 0.0}));
  const double right = std::ceil(std::min({shape.right, clip.right, width}));
  const double bottom = std::ceil(std::min({shape.bottom, clip.bottom, height}));
  if (!(right > left && bottom > top)) return;  // also false for NaN
  const PixelBox box{static_cast<int32_t>(left), static_cast<int32_t>(top),
                     static_cast<int32_t>(right) - 1, static_cast<int32_t>(bottom) - 1};
  if (!*drawn) {
    *drawn = box;
    return;
  }
  PixelBox& sum = **drawn;
  sum = PixelBox{std::min(sum.x1, box.x1), std::min(sum.y1, box.y1), std::max(sum.x2, box.x2),
                 std::max(sum.y2, box.y2)};
}

void noteFill(cairo_t* cr) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  note(cr, x1, y1, x2, y2);
}

void noteStroke(cairo_t* cr) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_stroke_extents(cr, &x1, &y1, &x2, &y2);
  note(cr, x1, y1, x2, y2);
}

}  // namespace

void tieDrawnBox(cairo_t* cr, std::optional<PixelBox>* box) {
  cairo_set_user_data(cr, &kDrawnBoxKey, box, nullptr);
}

void fill(cairo_t* cr) {
  noteFill(cr);
  cairo_fill(cr);
}

void fillPreserve(cairo_t* cr) {
  noteFill(cr);
  cairo_fill_preserve(cr);
}

void stroke(cairo_t* cr) {
  noteStroke(cr);
  cairo_stroke(cr);
}

void strokePreserve(cairo_t* cr) {
  noteStroke(cr);
  cairo_stroke_preserve(cr);
}

void paintWithin(cairo_t* cr, const Box& area) {
  note(cr, area.left, area.top, area.right, area.bottom);
  cairo_paint(cr);
}

void showText(cairo_t* cr, const char* utf8) {
  if (!cairo_has_current_point(cr)) return;
  double x = 0, y = 0;
  cairo_get_current_point(cr, &x, &y);
  cairo_text_extents_t ink{};
  cairo_text_extents(cr, utf8, &ink);
  // Hinting and smoothing may reach one pixel past the outlines' ink box.
  const double left = x + ink.x_bearing, top = y + ink.y_bearing;
  note(cr, left - 1, top - 1, left + ink.width + 1, top + ink.height + 1);
  cairo_show_text(cr, utf8);
}

}  // namespace gx::raster
