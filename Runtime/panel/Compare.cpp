#include "panel/Compare.h"

#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "gx/PngFile.h"
#include "panel/ScreenError.h"

namespace panel {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

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
    const Context cr(cairo_create(argb.get()));
    cairo_set_source_surface(cr.get(), png.get(), 0, 0);
    cairo_paint(cr.get());
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

// Whether the pixel at (x, y) of `a` has no equal in `b`, within `tolerance` per channel.
bool differs(cairo_surface_t* a, cairo_surface_t* b, int x, int y, int tolerance) {
  if (x >= width(b) || y >= height(b)) return true;
  const uint32_t p = pixel(a, x, y), q = pixel(b, x, y);
  if (p == q) return false;
  for (int shift = 0; shift < 32; shift += 8) {
    const int delta = static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF);
    if (delta > tolerance || -delta > tolerance) return true;
  }
  return false;
}

Comparison compare(cairo_surface_t* out, cairo_surface_t* ref, int tolerance) {
  Comparison result;
  result.width = width(out);
  result.height = height(out);
  result.referenceWidth = width(ref);
  result.referenceHeight = height(ref);
  result.sameSize =
      result.width == result.referenceWidth && result.height == result.referenceHeight;
  result.total = int64_t{result.width} * result.height;
  for (int y = 0; y < result.height; ++y)
    for (int x = 0; x < result.width; ++x) {
      if (!differs(out, ref, x, y, tolerance)) continue;
      ++result.differing;
      if (!result.box) {
        result.box = PixelBox{x, y, x, y};
        continue;
      }
      PixelBox& box = *result.box;
      box = {std::min(box.x1, x), std::min(box.y1, y), std::max(box.x2, x), std::max(box.y2, y)};
    }
  if (!result.sameSize && result.differing == 0) result.differing = result.total;
  return result;
}

// The rendered picture faded to grey with the differing pixels in full red.
Surface differenceOf(cairo_surface_t* out, cairo_surface_t* ref, int tolerance) {
  Surface diff(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width(out), height(out)));
  cairo_surface_flush(diff.get());
  unsigned char* data = cairo_image_surface_get_data(diff.get());
  const int stride = cairo_image_surface_get_stride(diff.get());
  for (int y = 0; y < height(out); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < width(out); ++x) {
      if (differs(out, ref, x, y, tolerance)) {
        row[x] = 0xFFFF0000u;
        continue;
      }
      // A light grey of the pixel's brightness keeps the screen recognisable behind the marks.
      const uint32_t p = pixel(out, x, y);
      const uint32_t grey = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
      const uint32_t faded = 160 + grey * 95 / 255;
      row[x] = 0xFF000000u | faded << 16 | faded << 8 | faded;
    }
  }
  cairo_surface_mark_dirty(diff.get());
  return diff;
}

std::string size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

}  // namespace

PictureComparison::PictureComparison(const std::string& rendered, const std::string& reference,
                                     int colourTolerance)
    : rendered_(nullptr), reference_(nullptr), colourTolerance_(colourTolerance) {
  Surface out = readPng(rendered);
  Surface ref = readPng(reference);
  result_ = compare(out.get(), ref.get(), colourTolerance);
  rendered_ = out.release();
  reference_ = ref.release();
}

PictureComparison::~PictureComparison() {
  cairo_surface_destroy(rendered_);
  cairo_surface_destroy(reference_);
}

std::string describeDifference(const Comparison& result) {
  std::string text =
      std::to_string(result.differing) + " of " + std::to_string(result.total) + " pixels differ";
  if (result.box)
    text += ", inside the box (" + std::to_string(result.box->x1) + "," +
            std::to_string(result.box->y1) + ")-(" + std::to_string(result.box->x2) + "," +
            std::to_string(result.box->y2) + ")";
  if (!result.sameSize)
    text += "; the picture is " + size(result.width, result.height) + ", the reference " +
            size(result.referenceWidth, result.referenceHeight);
  return text;
}

bool PictureComparison::writeDifferencePng(const std::string& output, std::string* error) const {
  return gx::writePngFile(differenceOf(rendered_, reference_, colourTolerance_).get(), output,
                          error);
}

bool PictureComparison::writeSideBySidePng(const std::string& output, std::string* error) const {
  cairo_surface_t* const out = rendered_;
  cairo_surface_t* const ref = reference_;
  const Surface diff = differenceOf(out, ref, colourTolerance_);
  constexpr int kGap = 8;
  const int cellWidth = std::max(width(out), width(ref));
  const Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3 * cellWidth + 2 * kGap,
                                                 std::max(height(out), height(ref))));
  const Context cr(cairo_create(sheet.get()));
  cairo_set_source_rgb(cr.get(), 0.5, 0.5, 0.5);
  cairo_paint(cr.get());
  cairo_surface_t* const cells[] = {ref, out, diff.get()};
  for (int i = 0; i < 3; ++i) {
    const double left = i * (cellWidth + kGap);
    cairo_set_source_surface(cr.get(), cells[i], left, 0);
    cairo_paint(cr.get());
    if (!result_.box) continue;
    // Two pixels outside the box, so that the outline hides none of the changed pixels.
    const PixelBox& box = *result_.box;
    cairo_rectangle(cr.get(), left + box.x1 - 1.5, box.y1 - 1.5, box.x2 - box.x1 + 4,
                    box.y2 - box.y1 + 4);
    cairo_set_source_rgb(cr.get(), 1, 0, 1);
    cairo_set_line_width(cr.get(), 1);
    cairo_stroke(cr.get());
  }
  cairo_surface_flush(sheet.get());
  return gx::writePngFile(sheet.get(), output, error);
}

std::string differencePathFor(const std::string& output) {
  const std::string ending = ".png";
  if (output.size() > ending.size() &&
      output.compare(output.size() - ending.size(), ending.size(), ending) == 0)
    return output.substr(0, output.size() - ending.size()) + ".diff.png";
  return output + ".diff.png";
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code ea, eb;
  const auto pa = std::filesystem::weakly_canonical(a, ea);
  const auto pb = std::filesystem::weakly_canonical(b, eb);
  if (ea || eb) return a == b;
  return pa == pb;
}

}  // namespace panel
