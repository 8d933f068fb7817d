// Private to the raster backend: the state its shape and text halves share, and the small
// helpers both use to turn service values into Cairo state.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gx/ImageDecode.h"
#include "gx/ImageTable.h"
#include "gx/RasterBackend.h"

namespace gx::raster {

// Cairo keeps coordinates in 24.8 fixed point (about +-8 million); everything handed to it is
// clamped well inside that so that hostile coordinates cannot wrap.
constexpr double kCoordinateLimit = 1 << 20;
constexpr int kMaxLineWidth = 4096;
constexpr int kMaxSurfaceSide = 8192;
constexpr int kMaxLayers = 64;

double clampCoordinate(double value);
inline bool hasColour(int32_t colour) { return (static_cast<uint32_t>(colour) >> 31) == 0; }
void setColour(cairo_t* cr, int32_t colour);

// The continuous box covered by inclusive pixel corners given in either order.
struct Box {
  double left, top, right, bottom;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
};
Box boxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// Makes `pattern` in `colour` on `backColour` the source; false when the fill draws nothing.
bool setFillSource(cairo_t* cr, unsigned pattern, int32_t colour, int32_t backColour);

// Every operation that changes pixels goes through these: each adds the pixels it can touch (its
// extents, cut to the context's clip and surface) to the box that begin() tied the context to, so
// that a call's reported bounds come from the very geometry it drew. A context tied to no box
// draws the same, unmeasured.
void tieDrawnBox(cairo_t* cr, std::optional<PixelBox>* box);
void fill(cairo_t* cr);
void fillPreserve(cairo_t* cr);
void stroke(cairo_t* cr);
void strokePreserve(cairo_t* cr);
// Paints the source over the user-space box (an image's own area) and nowhere else it matters.
void paintWithin(cairo_t* cr, const Box& area);
// Shows UTF-8 text at the current point.
void showText(cairo_t* cr, const char* utf8);

// One loaded font: a face resolved through fontconfig and the pixel size it is drawn at.
struct LoadedFont {
  cairo_font_face_t* face = nullptr;
  double pixelSize = 16;
};

class FontTable {
 public:
  FontTable();
  ~FontTable();
  FontTable(const FontTable&) = delete;
  FontTable& operator=(const FontTable&) = delete;

  uint32_t load(const std::string& name, uint8_t sizeOption, uint8_t styleOption);
  void unload(uint32_t handle);
  // The font of a live handle; the default font for 0, unknown or unloaded handles.
  const LoadedFont& get(uint32_t handle) const;
  // An installed face that has a glyph for `codePoint`, or null when none has.
  cairo_font_face_t* fallbackFor(char32_t codePoint);
  // How many fonts were asked in a family that is not installed, and so drawn in the default.
  size_t substitutions() const { return substitutions_; }

 private:
  size_t substitutions_ = 0;
  std::map<uint32_t, LoadedFont> fonts_;
  std::map<char32_t, cairo_font_face_t*> fallbacks_;
  LoadedFont default_;
  uint32_t next_ = 1;
};

// An image the service holds: its pixels and the Cairo surface drawn from them, which is
// destroyed first.
struct StoredImage {
  struct SurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  std::unique_ptr<uint32_t[]> pixels;
  std::unique_ptr<cairo_surface_t, SurfaceRelease> surface;
};

}  // namespace gx::raster

namespace gx {

struct RasterBackend::Impl {
  int width = 1;
  int height = 1;
  std::vector<cairo_surface_t*> surfaces;
  int current = 0;
  bool fillAnimation = false;
  std::unique_ptr<raster::FontTable> fonts;
  ImageTable<raster::StoredImage> images;
  std::string imageFolder;        // what relative image paths are resolved against; empty: the
                                  // working directory
  std::optional<PixelBox> drawn;  // what the calls since the last takeDrawn() could touch
  std::vector<std::string> pathErrors;
  std::vector<std::string> imageFiles;  // every picture file asked for, once each
  std::set<std::string> reportedPaths;
};

}  // namespace gx
