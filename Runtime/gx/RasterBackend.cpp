// The raster drawing service: surfaces, layers, clip areas and the shape calls.
#include "gx/RasterBackend.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gx/PngFile.h"
#include "gx/RasterInternal.h"

namespace gx {

using raster::Box;
using raster::boxOf;
using raster::clampCoordinate;
using raster::hasColour;
using raster::setColour;
using raster::setFillSource;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Owns one drawing context for the length of a call.
class Context {
 public:
  explicit Context(cairo_t* cr) : cr_(cr) {}
  ~Context() {
    if (cr_) cairo_destroy(cr_);
  }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;
  explicit operator bool() const { return cr_ != nullptr; }
  operator cairo_t*() const { return cr_; }

 private:
  cairo_t* cr_;
};

// How a line is drawn: its colours, style and width as the service received them.
struct Pen {
  int32_t colour;
  int32_t backColour;
  unsigned style;
  int width;  // already made at least 1
};

// Widths of 0 or less draw the thinnest line, one pixel; huge widths are capped.
int lineWidthOf(int64_t width) {
  return static_cast<int>(std::clamp<int64_t>(width, 1, raster::kMaxLineWidth));
}

// Dash patterns in multiples of the line width; empty means solid.
struct Dashes {
  std::vector<double> lengths;
  bool gapsInBackColour = false;
};

Dashes dashesOf(unsigned style) {
  switch (style) {
    case 2:
      return {{6, 3}, false};  // dashed
    case 3:
      return {{1, 1}, false};  // dotted
    case 4:
      return {{6, 2, 1, 2}, false};  // dash dot
    case 5:
      return {{6, 2, 1, 2, 1, 2}, false};  // dash dot dot
    case 6:
      return {{12, 4}, false};  // long dashes
    case 7:
      return {{6, 3}, true};  // dashed, gaps in backColor
    case 8:
      return {{1, 1}, true};  // dotted, gaps in backColor
    default:
      return {};  // 1 and unknown styles: solid
  }
}

bool drawsLine(const Pen& pen) { return pen.style != 0 && hasColour(pen.colour); }

// Odd widths are centred on pixel centres, even ones on pixel edges, so that a horizontal or
// vertical line of width w covers exactly w rows or columns.
double penOffset(int width) { return width % 2 ? 0.5 : 0.0; }

struct Point {
  double x, y;
};

std::vector<Point> pointsOf(int32_t count, const APOINT* points, double offset) {
  std::vector<Point> out;
  if (!points || count <= 0) return out;
  out.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    out.push_back({clampCoordinate(points[i].x + offset), clampCoordinate(points[i].y + offset)});
  }
  return out;
}

// Strokes the current path with the pen; `open` paths get square caps when solid, so that the
// end pixels are covered.
void strokePath(cairo_t* cr, const Pen& pen, bool open) {
  if (!drawsLine(pen)) {
    cairo_new_path(cr);
    return;
  }
  cairo_set_line_width(cr, pen.width);
  const Dashes dashes = dashesOf(pen.style);
  if (dashes.lengths.empty()) {
    cairo_set_line_cap(cr, open ? CAIRO_LINE_CAP_SQUARE : CAIRO_LINE_CAP_BUTT);
    setColour(cr, pen.colour);
    raster::stroke(cr);
    return;
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  if (dashes.gapsInBackColour && hasColour(pen.backColour)) {
    setColour(cr, pen.backColour);
    raster::strokePreserve(cr);
  }
  std::vector<double> scaled = dashes.lengths;
  for (double& length : scaled) length *= pen.width;
  cairo_set_dash(cr, scaled.data(), static_cast<int>(scaled.size()), 0);
  setColour(cr, pen.colour);
  raster::stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// Arrow heads: lengths in pixels for a line of width w.
double arrowLength(int width) { return 4.0 * width + 5.0; }
double arrowHalfWidth(int width) { return 2.0 * width + 2.0; }

// The direction into the end point `end` from the nearest distinct point before it.
bool directionInto(const std::vector<Point>& pts, bool atLast, double* ux, double* uy) {
  const size_t n = pts.size();
  if (n < 2) return false;
  const Point tip = atLast ? pts[n - 1] : pts[0];
  for (size_t k = 1; k < n; ++k) {
    const Point from = atLast ? pts[n - 1 - k] : pts[k];
    const double dx = tip.x - from.x;
    const double dy = tip.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
      *ux = dx / length;
      *uy = dy / length;
      return true;
    }
  }
  return false;
}

void fillArrow(cairo_t* cr, Point tip, double ux, double uy, const Pen& pen) {
  const double length = arrowLength(pen.width);
  const double half = arrowHalfWidth(pen.width);
  const double bx = tip.x - ux * length;
  const double by = tip.y - uy * length;
  cairo_move_to(cr, clampCoordinate(tip.x + ux * 0.5), clampCoordinate(tip.y + uy * 0.5));
  cairo_line_to(cr, clampCoordinate(bx - uy * half), clampCoordinate(by + ux * half));
  cairo_line_to(cr, clampCoordinate(bx + uy * half), clampCoordinate(by - ux * half));
  cairo_close_path(cr);
  setColour(cr, pen.colour);
  raster::fill(cr);
}

// Draws an open line through `pts`; `curved` reads them as cubic segments sharing end points.
// lineEnd 1 puts an arrow head on the last point, 2 on the first, 3 on both.
void drawOpenLine(cairo_t* cr, std::vector<Point> pts, const Pen& pen, unsigned lineEnd,
                  bool curved) {
  if (pts.empty() || !drawsLine(pen)) return;
  const bool arrowLast = lineEnd == 1 || lineEnd == 3;
  const bool arrowFirst = lineEnd == 2 || lineEnd == 3;
  double lastX = 0, lastY = 0, firstX = 0, firstY = 0;
  const bool hasLast = arrowLast && directionInto(pts, true, &lastX, &lastY);
  const bool hasFirst = arrowFirst && directionInto(pts, false, &firstX, &firstY);
  const Point lastTip = pts.back();
  const Point firstTip = pts.front();
  // The line stops at the arrow's base so that its caps do not poke past the head.
  if (hasLast) {
    pts.back().x -= lastX * arrowLength(pen.width) * 0.9;
    pts.back().y -= lastY * arrowLength(pen.width) * 0.9;
  }
  if (hasFirst) {
    pts.front().x -= firstX * arrowLength(pen.width) * 0.9;
    pts.front().y -= firstY * arrowLength(pen.width) * 0.9;
  }
  // Dashed lines have butt caps: reach half a width further so the end pixels are covered.
  if (!dashesOf(pen.style).lengths.empty() && pts.size() >= 2) {
    double ux = 0, uy = 0;
    if (!hasLast && directionInto(pts, true, &ux, &uy)) {
      pts.back().x += ux * pen.width / 2.0;
      pts.back().y += uy * pen.width / 2.0;
    }
    if (!hasFirst && directionInto(pts, false, &ux, &uy)) {
      pts.front().x += ux * pen.width / 2.0;
      pts.front().y += uy * pen.width / 2.0;
    }
  }
  cairo_move_to(cr, pts[0].x, pts[0].y);
  size_t i = 1;
  if (curved) {
    for (; i + 2 < pts.size(); i += 3) {
      cairo_curve_to(cr, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, pts[i + 2].x,
                     pts[i + 2].y);
    }
  }
  for (; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
  if (pts.size() == 1) cairo_close_path(cr);  // one point: a dot under square caps
  strokePath(cr, pen, true);
  if (hasLast) fillArrow(cr, lastTip, lastX, lastY, pen);
  if (hasFirst) fillArrow(cr, firstTip, firstX, firstY, pen);
}

void polygonPath(cairo_t* cr, const std::vector<Point>& pts) {
  if (pts.empty()) return;
  cairo_move_to(cr, pts[0].x, pts[0].y);
  for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
  cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_close_path(cr);
  cairo_restore(cr);
}

// A rectangle with elliptic corners of radii rx, ry (cut to half the sides).
void roundedPath(cairo_t* cr, double x, double y, double w, double h, double rx, double ry) {
  rx = std::min(rx, w / 2);
  ry = std::min(ry, h / 2);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  const auto corner = [&](double cx, double cy, double from) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, from, from + kPi / 2);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(x + w - rx, y + ry, -kPi / 2);
  corner(x + w - rx, y + h - ry, 0);
  corner(x + rx, y + h - ry, kPi / 2);
  corner(x + rx, y + ry, kPi);
  cairo_close_path(cr);
}

bool isRounded(uint8_t rounded, int32_t radiusX, int32_t radiusY) {
  return rounded != 0 && radiusX > 0 && radiusY > 0;
}

// An ellipse given by its bounding box, in continuous coordinates.
struct Ellipse {
  double cx, cy, rx, ry;
};

Ellipse ellipseOf(const Box& box) {
  return Ellipse{(box.left + box.right) / 2, (box.top + box.bottom) / 2, box.width() / 2,
                 box.height() / 2};
}

// The parametric angle (Cairo's, y down) of pixel (x, y) seen from the ellipse's centre.
double angleOf(const Ellipse& e, int32_t x, int32_t y) {
  const double dx = (clampCoordinate(x + 0.5) - e.cx) / e.rx;
  const double dy = (clampCoordinate(y + 0.5) - e.cy) / e.ry;
  if (dx == 0 && dy == 0) return 0;
  return std::atan2(dy, dx);
}

// The sector's path: counter-clockwise on screen from `ends` start to end, which in Cairo's
// y-down angles is a decreasing sweep. Both points equal: the whole ellipse.
void sectorPath(cairo_t* cr, const Ellipse& outer, double rx, double ry, const POINTLINE& ends,
                bool toCentre, bool close) {
  if (rx <= 0 || ry <= 0) return;
  const bool whole = ends.startX == ends.endX && ends.startY == ends.endY;
  if (whole) {
    ellipsePath(cr, outer.cx, outer.cy, rx, ry);
    return;
  }
  const double from = angleOf(outer, ends.startX, ends.startY);
  const double to = angleOf(outer, ends.endX, ends.endY);
  cairo_new_sub_path(cr);
  if (toCentre) cairo_move_to(cr, outer.cx, outer.cy);
  cairo_save(cr);
  cairo_translate(cr, outer.cx, outer.cy);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, from, to);
  cairo_restore(cr);
  if (close) cairo_close_path(cr);
}

}  // namespace

// ---- Surfaces and layers ----------------------------------------------------------------------

RasterBackend::RasterBackend(int width, int height, int layers, uint32_t background)
    : impl_(std::make_unique<Impl>()) {
  impl_->width = std::clamp(width, 1, raster::kMaxSurfaceSide);
  impl_->height = std::clamp(height, 1, raster::kMaxSurfaceSide);
  const int count = std::clamp(layers, 1, raster::kMaxLayers);
  for (int i = 0; i < count; ++i) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, impl_->width, impl_->height);
    if (i == 0) {
      cairo_t* cr = cairo_create(surface);
      setColour(cr, static_cast<int32_t>(background & 0xFFFFFFu));
      cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
      cairo_paint(cr);
      cairo_destroy(cr);
    }
    impl_->surfaces.push_back(surface);
  }
  impl_->fonts = std::make_unique<raster::FontTable>();
}

RasterBackend::~RasterBackend() {
  for (cairo_surface_t* surface : impl_->surfaces) cairo_surface_destroy(surface);
}

int RasterBackend::width() const { return impl_->width; }
int RasterBackend::height() const { return impl_->height; }
int RasterBackend::layers() const { return static_cast<int>(impl_->surfaces.size()); }
int RasterBackend::currentLayer() const { return impl_->current; }
bool RasterBackend::clipFillAnimation() const { return impl_->fillAnimation; }

Drawn RasterBackend::takeDrawn() {
  Drawn drawn{true, impl_->drawn};
  impl_->drawn.reset();
  return drawn;
}

namespace {

uint32_t readPixel(cairo_surface_t* surface, int x, int y) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  return reinterpret_cast<const uint32_t*>(data + y * stride)[x];
}

// Premultiplied ARGB back to straight 0xAARRGGBB.
uint32_t unpremultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  if (a == 0) return 0;
  if (a == 255) return p;
  const auto channel = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
  return (a << 24) | (channel((p >> 16) & 0xFF) << 16) | (channel((p >> 8) & 0xFF) << 8) |
         channel(p & 0xFF);
}

// Source-over of premultiplied pixels.
uint32_t over(uint32_t src, uint32_t dst) {
  const uint32_t inverse = 255 - (src >> 24);
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t s = (src >> shift) & 0xFF;
    const uint32_t d = (dst >> shift) & 0xFF;
    out |= std::min<uint32_t>(255, s + (d * inverse + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

uint32_t RasterBackend::pixel(int x, int y, int layer) const {
  if (x < 0 || y < 0 || x >= impl_->width || y >= impl_->height) return 0;
  if (layer >= 0) {
    if (layer >= layers()) return 0;
    return unpremultiply(readPixel(impl_->surfaces[layer], x, y));
  }
  uint32_t composite = 0;
  for (cairo_surface_t* surface : impl_->surfaces)
    composite = over(readPixel(surface, x, y), composite);
  return unpremultiply(composite);
}

bool RasterBackend::writePng(const std::string& path, std::string* error) const {
  cairo_surface_t* out =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, impl_->width, impl_->height);
  cairo_t* cr = cairo_create(out);
  for (cairo_surface_t* surface : impl_->surfaces) {
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
  }
  cairo_destroy(cr);
  const bool written = writePngFile(out, path, error);
  cairo_surface_destroy(out);
  return written;
}

cairo_t* RasterBackend::begin(int32_t layer) const {
  if (layer < 0 || layer >= layers()) return nullptr;
  Box clip{0, 0, static_cast<double>(impl_->width), static_cast<double>(impl_->height)};
  const auto found = clipAreas_.find(layer);
  if (found != clipAreas_.end()) {
    const ClipArea& area = found->second;
    // Inverted corners clip everything away.
    if (area.x2 < area.x1 || area.y2 < area.y1) return nullptr;
    const Box set = boxOf(area.x1, area.y1, area.x2, area.y2);
    clip = Box{std::max(clip.left, set.left), std::max(clip.top, set.top),
               std::min(clip.right, set.right), std::min(clip.bottom, set.bottom)};
    if (clip.right <= clip.left || clip.bottom <= clip.top) return nullptr;
  }
  cairo_t* cr = cairo_create(impl_->surfaces[layer]);
  raster::tieDrawnBox(cr, &impl_->drawn);
  cairo_rectangle(cr, clip.left, clip.top, clip.width(), clip.height());
  cairo_clip(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  return cr;
}

// ---- Clip -------------------------------------------------------------------------------------

bool RasterBackend::getClipArea(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t layer) {
  impl_->current = layer;
  return Backend::getClipArea(x1, y1, x2, y2, layer);
}

void RasterBackend::setClipArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t layer) {
  impl_->current = layer;
  Backend::setClipArea(x1, y1, x2, y2, layer);
}

void RasterBackend::removeClipArea(int32_t layer) {
  impl_->current = layer;
  Backend::removeClipArea(layer);
}

void RasterBackend::setClipFillAnimation(uint8_t on) { impl_->fillAnimation = on != 0; }

// ---- Lines ------------------------------------------------------------------------------------

void RasterBackend::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t lineWidth,
                             uint16_t lineStyle, int32_t color, int32_t backColor,
                             uint8_t lineEnd) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  const APOINT ends[2] = {{x1, y1}, {x2, y2}};
  drawOpenLine(cr, pointsOf(2, ends, penOffset(pen.width)), pen, lineEnd, false);
}

void RasterBackend::drawPolyline(int32_t count, const APOINT* points, uint16_t lineWidth,
                                 uint16_t lineStyle, int32_t color, int32_t backColor,
                                 uint8_t lineEnd) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen) || count <= 0 || !points) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  drawOpenLine(cr, pointsOf(count, points, penOffset(pen.width)), pen, lineEnd, false);
}

void RasterBackend::drawBezierLine(int32_t count, const APOINT* points, int32_t lineWidth,
                                   int32_t lineStyle, int32_t color, int32_t backColor,
                                   uint8_t lineEnd) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen) || count <= 0 || !points) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  drawOpenLine(cr, pointsOf(count, points, penOffset(pen.width)), pen, lineEnd, true);
}

void RasterBackend::getLineBoundingRect(APOINT from, APOINT to, uint8_t lineWidth,
                                        POINTRECT* rect) {
  if (!rect) return;
  const int64_t width = lineWidthOf(lineWidth);
  const int64_t minX = std::min<int64_t>(from.x, to.x), maxX = std::max<int64_t>(from.x, to.x);
  const int64_t minY = std::min<int64_t>(from.y, to.y), maxY = std::max<int64_t>(from.y, to.y);
  int64_t before = width / 2, after = (width - 1) / 2;
  if (from.x != to.x && from.y != to.y) {
    // A slanted line's square caps reach further out than its width by up to a factor of
    // sqrt(2) along each axis.
    const double dx = static_cast<double>(to.x) - from.x, dy = static_cast<double>(to.y) - from.y;
    const double length = std::hypot(dx, dy);
    const double reach = width / 2.0 * (std::fabs(dx) + std::fabs(dy)) / length;
    before = after = static_cast<int64_t>(std::ceil(reach));
  }
  const auto toInt = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  rect->x1 = toInt(minX - before);
  rect->y1 = toInt(minY - before);
  rect->x2 = toInt(maxX + after);
  rect->y2 = toInt(maxY + after);
}

// ---- Rectangles -------------------------------------------------------------------------------

void RasterBackend::drawRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                                  int32_t lineStyle, int32_t color, int32_t backColor,
                                  uint8_t rounded, int32_t radiusX, int32_t radiusY) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle) & 0xFFFFu,
                lineWidthOf(lineWidth)};
  if (lineStyle <= 0 || !drawsLine(pen)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  const Box box = boxOf(x1, y1, x2, y2);
  const double w = pen.width;
  const bool round = isRounded(rounded, radiusX, radiusY);
  if (round) cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  // The outline lies inside the box; when it is as thick as half the box, it is the box.
  if (2 * w >= box.width() || 2 * w >= box.height()) {
    if (round) {
      roundedPath(cr, box.left, box.top, box.width(), box.height(), radiusX, radiusY);
    } else {
      cairo_rectangle(cr, box.left, box.top, box.width(), box.height());
    }
    setColour(cr, color);
    raster::fill(cr);
    return;
  }
  const double inset = w / 2;
  if (round) {
    roundedPath(cr, box.left + inset, box.top + inset, box.width() - w, box.height() - w,
                std::max(0.0, radiusX - inset), std::max(0.0, radiusY - inset));
  } else {
    cairo_rectangle(cr, box.left + inset, box.top + inset, box.width() - w, box.height() - w);
  }
  strokePath(cr, pen, false);
}

void RasterBackend::fillRectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t,
                                  int32_t fillColor, uint8_t fillPattern, int32_t backColor,
                                  uint8_t rounded, int32_t radiusX, int32_t radiusY) {
  if (fillPattern == 0 || !hasColour(fillColor)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  const Box box = boxOf(x1, y1, x2, y2);
  if (isRounded(rounded, radiusX, radiusY)) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    roundedPath(cr, box.left, box.top, box.width(), box.height(), radiusX, radiusY);
  } else {
    cairo_rectangle(cr, box.left, box.top, box.width(), box.height());
  }
  if (setFillSource(cr, fillPattern, fillColor, backColor)) raster::fill(cr);
}

// ---- Ellipses, arcs and pies ------------------------------------------------------------------

void RasterBackend::drawEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t color,
                                uint16_t lineStyle, uint16_t lineWidth, int32_t backColor) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  const Ellipse e = ellipseOf(boxOf(x1, y1, x2, y2));
  const double inset = pen.width / 2.0;
  if (inset * 2 >= std::min(e.rx, e.ry) * 2) {
    ellipsePath(cr, e.cx, e.cy, e.rx, e.ry);
    setColour(cr, color);
    raster::fill(cr);
    return;
  }
  ellipsePath(cr, e.cx, e.cy, e.rx - inset, e.ry - inset);
  strokePath(cr, pen, false);
}

void RasterBackend::fillEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t fillColor,
                                uint16_t fillPattern, int32_t backColor) {
  if (fillPattern == 0 || !hasColour(fillColor)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  const Ellipse e = ellipseOf(boxOf(x1, y1, x2, y2));
  ellipsePath(cr, e.cx, e.cy, e.rx, e.ry);
  if (setFillSource(cr, fillPattern, fillColor, backColor)) raster::fill(cr);
}

void RasterBackend::drawArc(const POINTRECT& ellipse, const POINTLINE& ends, int32_t color,
                            int32_t backColor, uint8_t lineStyle, int32_t lineWidth,
                            const POINTRECT&, bool arcFlag) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen)) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  const Ellipse e = ellipseOf(boxOf(ellipse.x1, ellipse.y1, ellipse.x2, ellipse.y2));
  // The line lies inside the ellipse, as an ellipse outline does.
  const double inset = std::min(pen.width / 2.0, std::min(e.rx, e.ry) / 2);
  sectorPath(cr, e, e.rx - inset, e.ry - inset, ends, false, !arcFlag);
  // A chord meets the arc at a sharp angle, where a mitre would stick out as a spike.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  strokePath(cr, pen, arcFlag);
}

void RasterBackend::pie(int32_t layer, const POINTRECT& ellipse, const POINTLINE& ends,
                        const PLANECOL& colors, const PLANEATTRIB& attributes, const POINTRECT&,
                        bool arcFlag) {
  impl_->current = layer;
  Context cr(begin(layer));
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  const Ellipse e = ellipseOf(boxOf(ellipse.x1, ellipse.y1, ellipse.x2, ellipse.y2));
  sectorPath(cr, e, e.rx, e.ry, ends, arcFlag, true);
  if (setFillSource(cr, attributes.fillPattern, colors.fillColor, colors.backColor)) {
    raster::fill(cr);
  }
  cairo_new_path(cr);
  const Pen pen{colors.lineColor, colors.backColor, attributes.lineStyle,
                lineWidthOf(attributes.lineWidth)};
  if (!drawsLine(pen)) return;
  const double inset = std::min(pen.width / 2.0, std::min(e.rx, e.ry) / 2);
  // A fourth byte of 0 outlines the curved edge only; callers pass 1 for the closed outline.
  const bool closed = attributes.fourth != 0;
  sectorPath(cr, e, e.rx - inset, e.ry - inset, ends, arcFlag && closed, closed);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  strokePath(cr, pen, !closed);
}

// ---- Polygons and triangles -------------------------------------------------------------------

void RasterBackend::drawPolygon(int32_t count, const APOINT* points, uint16_t lineWidth,
                                int32_t color, int32_t backColor, uint16_t lineStyle) {
  const Pen pen{color, backColor, static_cast<unsigned>(lineStyle), lineWidthOf(lineWidth)};
  if (!drawsLine(pen) || count <= 0 || !points) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  const auto pts = pointsOf(count, points, penOffset(pen.width));
  if (pts.size() < 3) {
    drawOpenLine(cr, pts, pen, 0, false);
    return;
  }
  polygonPath(cr, pts);
  strokePath(cr, pen, false);
}

void RasterBackend::fillPolygon(int32_t count, const APOINT* points, int32_t fillColor,
                                int32_t backColor, uint8_t fillPattern, bool fillFlag) {
  if (fillPattern == 0 || !hasColour(fillColor) || count < 3 || !points) return;
  Context cr(begin(impl_->current));
  if (!cr) return;
  polygonPath(cr, pointsOf(count, points, 0.5));
  cairo_set_fill_rule(cr, fillFlag ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  if (!setFillSource(cr, fillPattern, fillColor, backColor)) return;
  // The fill also covers the pixels its edges run through, as a rectangle's inclusive corners
  // do, so that a triangle reaches its corner pixels and shapes that share an edge meet.
  raster::fillPreserve(cr);
  cairo_set_line_width(cr, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  raster::stroke(cr);
}

void RasterBackend::fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                                 int32_t y3, int32_t fillColor, int32_t backColor,
                                 uint8_t fillPattern) {
  const APOINT corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  fillPolygon(3, corners, fillColor, backColor, fillPattern, true);
}

void RasterBackend::drawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                                 int32_t y3, int32_t color, int32_t backColor, uint16_t lineStyle,
                                 uint16_t lineWidth) {
  const APOINT corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  drawPolygon(3, corners, lineWidth, color, backColor, lineStyle);
}

}  // namespace gx
