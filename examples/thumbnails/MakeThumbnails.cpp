// Shrinks PNG pictures to a given width for the README, each to a file of the same name in the
// output folder. Cairo's own filter averages the pixels each thumbnail pixel covers, so thin lines
// and text fade rather than vanish.
//
//   zelmo-thumbnails WIDTH OUTPUT_FOLDER PICTURE.png...    (scripts/make-thumbnails.sh runs it)
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool shrink(const std::string& from, const std::string& to, int width) {
  cairo_surface_t* picture = cairo_image_surface_create_from_png(from.c_str());
  if (cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "zelmo-thumbnails: cannot read %s\n", from.c_str());
    cairo_surface_destroy(picture);
    return false;
  }
  const double scale = double(width) / cairo_image_surface_get_width(picture);
  const int height = int(std::lround(cairo_image_surface_get_height(picture) * scale));
  // No alpha channel: the pictures are opaque, and the PNG is smaller without one.
  cairo_surface_t* thumbnail = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(thumbnail);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, picture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  const bool written = cairo_surface_write_to_png(thumbnail, to.c_str()) == CAIRO_STATUS_SUCCESS;
  if (!written) std::fprintf(stderr, "zelmo-thumbnails: cannot write %s\n", to.c_str());
  cairo_surface_destroy(thumbnail);
  cairo_surface_destroy(picture);
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  const int width = argc > 3 ? std::atoi(argv[1]) : 0;
  if (width <= 0) {
    std::fprintf(stderr, "usage: zelmo-thumbnails WIDTH OUTPUT_FOLDER PICTURE.png...\n");
    return 2;
  }
  const std::string folder = argv[2];
  bool ok = true;
  for (int i = 3; i < argc; ++i) {
    const std::string from = argv[i];
    ok = shrink(from, folder + "/" + from.substr(from.find_last_of('/') + 1), width) && ok;
  }
  return ok ? 0 : 1;
}
