// The raster service's paths: SVG path data drawn under the canvas transform.
#include <algorithm>
#include <cmath>

#include "gx/PathData.h"
#include "gx/RasterInternal.h"

namespace gx {
namespace {

// Device point = translation + user point x scale / 256. A scale of 0, what the canvas passes
// before any transform call, counts as 1.
struct DeviceTransform {
  double tx, ty, sx, sy;

  static DeviceTransform of(int32_t translateX, int32_t translateY, int32_t scaleX,
                            int32_t scaleY) {
    const auto scale = [](int32_t s) { return s == 0 ? 1.0 : s / 256.0; };
    return {static_cast<double>(translateX), static_cast<double>(translateY), scale(scaleX),
            scale(scaleY)};
  }
  double x(const path::Point& p) const { return raster::clampCoordinate(tx + p.x * sx); }
  double y(const path::Point& p) const { return raster::clampCoordinate(ty + p.y * sy); }
};

void trace(cairo_t* cr, const std::vector<path::Segment>& segments, const DeviceTransform& t) {
  for (const path::Segment& s : segments) {
    switch (s.kind) {
      case path::Segment::kMove:
        cairo_move_to(cr, t.x(s.p[0]), t.y(s.p[0]));
        break;
      case path::Segment::kLine:
        cairo_line_to(cr, t.x(s.p[0]), t.y(s.p[0]));
        break;
      case path::Segment::kCubic:
        cairo_curve_to(cr, t.x(s.p[0]), t.y(s.p[0]), t.x(s.p[1]), t.y(s.p[1]), t.x(s.p[2]),
                       t.y(s.p[2]));
        break;
      case path::Segment::kClose:
        cairo_close_path(cr);
        break;
    }
  }
}

// The start of a text for a message: ASCII as is, anything else as '?'.
std::string excerpt(const UniChar* chars, int32_t count) {
  constexpr int32_t kShown = 48;
  std::string out;
  for (int32_t i = 0; i < std::min(count, kShown); ++i)
    out += chars[i] >= 0x20 && chars[i] < 0x7F ? static_cast<char>(chars[i]) : '?';
  if (count > kShown) out += "...";
  return out;
}

}  // namespace

const std::vector<std::string>& RasterBackend::pathErrors() const { return impl_->pathErrors; }

size_t RasterBackend::fontSubstitutions() const {
  return impl_->fonts ? impl_->fonts->substitutions() : 0;
}

// The segments of a text that parses; none, and one report per distinct bad text, for one
// that does not.
std::vector<path::Segment> RasterBackend::pathSegments(const UniChar* chars, int32_t count) {
  path::Parsed parsed = path::parse(chars, count);
  if (parsed.ok) return std::move(parsed.segments);
  const std::string message = "path \"" + excerpt(chars, count) + "\": at " +
                              std::to_string(parsed.errorAt) + ": " + parsed.error;
  if (impl_->reportedPaths.insert(message).second) impl_->pathErrors.push_back(message);
  return {};
}

void RasterBackend::fillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                             const UniChar* chars, int32_t count, int32_t fillColor) {
  const auto segments = pathSegments(chars, count);
  if (segments.empty() || !raster::hasColour(fillColor)) return;
  cairo_t* cr = begin(impl_->current);
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  trace(cr, segments, DeviceTransform::of(translateX, translateY, scaleX, scaleY));
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  raster::setColour(cr, fillColor);
  raster::fill(cr);
  cairo_destroy(cr);
}

void RasterBackend::drawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                             const UniChar* chars, int32_t count, int32_t color,
                             uint16_t lineWidth) {
  const auto segments = pathSegments(chars, count);
  if (segments.empty() || !raster::hasColour(color)) return;
  cairo_t* cr = begin(impl_->current);
  if (!cr) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
  trace(cr, segments, DeviceTransform::of(translateX, translateY, scaleX, scaleY));
  // Widths are pixels whatever the scale; 0 is the thinnest line.
  cairo_set_line_width(cr, std::clamp<int>(lineWidth, 1, raster::kMaxLineWidth));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  raster::setColour(cr, color);
  raster::stroke(cr);
  cairo_destroy(cr);
}

}  // namespace gx
