#include "panel/Compare.h"

#include <cairo.h>

#include <memory>

#include "gx/PngFile.h"
#include "panel/ScreenError.h"

namespace panel {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

Surface readPng(const std::string& path) {
  if (const std::string problem = gx::pngReadProblem(path); !problem.empty())
    throw ScreenError("cannot read the picture " + path + ": " + problem);
  Surface png(cairo_image_surface_create_from_png(path.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS)
    throw ScreenError("cannot read the picture " + path + ": " +
                      cairo_status_to_string(cairo_surface_status(png.get())));
  // Every PNG the panel writes is ARGB32; a reference saved by another tool may be RGB24.
  if (cairo_image_surface_get_format(png.get()) != CAIRO_FORMAT_ARGB32) {
    const int w = cairo_image_surface_get_width(png.get());
    const int h = cairo_image_surface_get_height(png.get());
    Surface argb(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_t* cr = cairo_create(argb.get());
    cairo_set_source_surface(cr, png.get(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    png = std::move(argb);
  }
  cairo_surface_flush(png.get());
  return png;
}

uint32_t pixel(cairo_surface_t* s, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(s) +
                             static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const uint32_t*>(row)[x];
}

int width(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
int height(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

// Whether the pixel at (x, y) of `a` has no equal in `b`.
bool differs(cairo_surface_t* a, cairo_surface_t* b, int x, int y) {
  if (x >= width(b) || y >= height(b)) return true;
  return pixel(a, x, y) != pixel(b, x, y);
}

}  // namespace

Comparison comparePngs(const std::string& rendered, const std::string& reference) {
  const Surface out = readPng(rendered);
  const Surface ref = readPng(reference);
  Comparison result;
  result.sameSize = width(out.get()) == width(ref.get()) && height(out.get()) == height(ref.get());
  result.total = int64_t{width(out.get())} * height(out.get());
  for (int y = 0; y < height(out.get()); ++y)
    for (int x = 0; x < width(out.get()); ++x)
      if (differs(out.get(), ref.get(), x, y)) ++result.differing;
  if (!result.sameSize && result.differing == 0) result.differing = result.total;
  return result;
}

bool writeDifferencePng(const std::string& rendered, const std::string& reference,
                        const std::string& output, std::string* error) {
  const Surface out = readPng(rendered);
  const Surface ref = readPng(reference);
  Surface diff(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width(out.get()), height(out.get())));
  unsigned char* data = cairo_image_surface_get_data(diff.get());
  const int stride = cairo_image_surface_get_stride(diff.get());
  for (int y = 0; y < height(out.get()); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < width(out.get()); ++x) {
      if (differs(out.get(), ref.get(), x, y)) {
        row[x] = 0xFFFF0000u;
        continue;
      }
      // A light grey of the pixel's brightness keeps the screen recognisable behind the marks.
      const uint32_t p = pixel(out.get(), x, y);
      const uint32_t grey = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
      const uint32_t faded = 160 + grey * 95 / 255;
      row[x] = 0xFF000000u | faded << 16 | faded << 8 | faded;
    }
  }
  cairo_surface_mark_dirty(diff.get());
  return gx::writePngFile(diff.get(), output, error);
}

std::string differencePathFor(const std::string& output) {
  const std::string ending = ".png";
  if (output.size() > ending.size() &&
      output.compare(output.size() - ending.size(), ending.size(), ending) == 0)
    return output.substr(0, output.size() - ending.size()) + ".diff.png";
  return output + ".diff.png";
}

}  // namespace panel
