// Makes the pictures of the water-works example screen: the works' logo as a PNG with
// transparency, and a photo of the pumping station as a JPEG. Both are drawn, not copied from
// anywhere, so the example carries no one else's pictures.
//
//   zelmo-example-images OUTPUT_FOLDER    (scripts/make-example-images.sh runs it)
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

constexpr double kPi = 3.14159265358979323846;

void rgb(cairo_t* cr, uint32_t colour, double alpha = 1) {
  cairo_set_source_rgba(cr, (colour >> 16 & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0,
                        (colour & 0xFF) / 255.0, alpha);
}

// A water drop in a ring with three waves across it, on a transparent ground.
bool makeLogo(const std::string& path) {
  constexpr int kSide = 96;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSide, kSide);
  cairo_t* cr = cairo_create(s);
  cairo_arc(cr, 48, 48, 45, 0, 2 * kPi);
  rgb(cr, 0x0B3D66);
  cairo_fill(cr);
  cairo_arc(cr, 48, 48, 39, 0, 2 * kPi);
  rgb(cr, 0xFFFFFF);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // The drop: a circle's lower part drawn up to a point.
  cairo_move_to(cr, 48, 14);
  cairo_curve_to(cr, 58, 30, 70, 42, 70, 56);
  cairo_arc(cr, 48, 56, 22, 0, kPi);
  cairo_curve_to(cr, 26, 42, 38, 30, 48, 14);
  cairo_pattern_t* water = cairo_pattern_create_linear(0, 14, 0, 78);
  cairo_pattern_add_color_stop_rgb(water, 0, 0.55, 0.85, 1.0);
  cairo_pattern_add_color_stop_rgb(water, 1, 0.10, 0.50, 0.90);
  cairo_set_source(cr, water);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(water);
  cairo_save(cr);
  cairo_clip(cr);
  rgb(cr, 0xFFFFFF, 0.85);
  cairo_set_line_width(cr, 3);
  for (int i = 0; i < 3; ++i) {
    const double y = 52 + i * 8;
    cairo_move_to(cr, 22, y);
    for (int x = 22; x <= 74; x += 2) cairo_line_to(cr, x, y + 2.5 * std::sin((x - 22) / 5.0));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  // A highlight on the drop.
  cairo_arc(cr, 40, 46, 4, 0, 2 * kPi);
  rgb(cr, 0xFFFFFF, 0.7);
  cairo_fill(cr);
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

// The pumping station on a summer evening: sky, hills, the pump house with its water tower, a
// basin, pipes, and film grain so that it reads as a photograph.
cairo_surface_t* drawPhoto(int w, int h) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h * 0.6);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.33, 0.55, 0.82);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.93, 0.80, 0.62);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  // Sun and clouds.
  cairo_pattern_t* sun = cairo_pattern_create_radial(w * 0.8, h * 0.28, 2, w * 0.8, h * 0.28, 40);
  cairo_pattern_add_color_stop_rgba(sun, 0, 1, 0.97, 0.85, 1);
  cairo_pattern_add_color_stop_rgba(sun, 1, 1, 0.9, 0.7, 0);
  cairo_set_source(cr, sun);
  cairo_paint(cr);
  cairo_pattern_destroy(sun);
  for (const auto& [cx, cy, r] : {std::tuple{60.0, 34.0, 14.0},
                                  {80.0, 30.0, 18.0},
                                  {100.0, 36.0, 12.0},
                                  {190.0, 22.0, 10.0},
                                  {205.0, 20.0, 13.0}}) {
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    rgb(cr, 0xFFFFFF, 0.55);
    cairo_fill(cr);
  }
  // Far and near hills.
  const auto hill = [&](double base, double amplitude, double phase, uint32_t colour) {
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 4)
      cairo_line_to(cr, x,
                    base + amplitude * std::sin(x / 37.0 + phase) +
                        amplitude * 0.5 * std::sin(x / 13.0 + phase * 2));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    rgb(cr, colour);
    cairo_fill(cr);
  };
  hill(h * 0.55, 8, 0.3, 0x6F8F78);
  hill(h * 0.66, 6, 1.9, 0x4F7A3F);
  // The basin.
  cairo_rectangle(cr, 0, h * 0.80, w, h * 0.20);
  cairo_pattern_t* basin = cairo_pattern_create_linear(0, h * 0.8, 0, h);
  cairo_pattern_add_color_stop_rgb(basin, 0, 0.30, 0.52, 0.66);
  cairo_pattern_add_color_stop_rgb(basin, 1, 0.12, 0.28, 0.40);
  cairo_set_source(cr, basin);
  cairo_fill(cr);
  cairo_pattern_destroy(basin);
  // Pump house: brick walls, a roof, windows and a door.
  const double hx = w * 0.22, hy = h * 0.48, hw = w * 0.36, hh = h * 0.32;
  cairo_rectangle(cr, hx, hy, hw, hh);
  rgb(cr, 0xA4553A);
  cairo_fill(cr);
  rgb(cr, 0x7E3B27, 0.6);
  cairo_set_line_width(cr, 0.6);
  for (double y = hy + 4; y < hy + hh; y += 4) {
    cairo_move_to(cr, hx, y);
    cairo_line_to(cr, hx + hw, y);
  }
  cairo_stroke(cr);
  cairo_move_to(cr, hx - 6, hy);
  cairo_line_to(cr, hx + hw / 2, hy - 22);
  cairo_line_to(cr, hx + hw + 6, hy);
  cairo_close_path(cr);
  rgb(cr, 0x3B3F46);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, hx + 10 + i * (hw - 20) / 3.0, hy + 10, (hw - 20) / 3.0 - 8, 16);
    rgb(cr, 0xF2D68A);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, hx + hw / 2 - 8, hy + hh - 26, 16, 26);
  rgb(cr, 0x2D2A26);
  cairo_fill(cr);
  // Water tower on its legs.
  const double tx = w * 0.74, ty = h * 0.20;
  rgb(cr, 0x55595E);
  cairo_set_line_width(cr, 3);
  for (const double leg : {-18.0, -6.0, 6.0, 18.0}) {
    cairo_move_to(cr, tx + leg * 0.7, ty + 30);
    cairo_line_to(cr, tx + leg, h * 0.80);
  }
  cairo_stroke(cr);
  cairo_rectangle(cr, tx - 24, ty, 48, 32);
  cairo_pattern_t* steel = cairo_pattern_create_linear(tx - 24, 0, tx + 24, 0);
  cairo_pattern_add_color_stop_rgb(steel, 0, 0.55, 0.60, 0.66);
  cairo_pattern_add_color_stop_rgb(steel, 0.4, 0.86, 0.89, 0.92);
  cairo_pattern_add_color_stop_rgb(steel, 1, 0.40, 0.44, 0.50);
  cairo_set_source(cr, steel);
  cairo_fill(cr);
  cairo_pattern_destroy(steel);
  // The pipe from the house to the basin.
  rgb(cr, 0x2F5E8C);
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, hx + hw, hy + hh - 8);
  cairo_line_to(cr, w * 0.66, hy + hh - 8);
  cairo_line_to(cr, w * 0.66, h * 0.84);
  cairo_stroke(cr);
  cairo_destroy(cr);

  // Grain.
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  uint32_t seed = 2026;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>(seed >> 28) - 8;
      unsigned char* p = data + y * stride + x * 4;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<unsigned char>(std::clamp(p[c] + grain, 0, 255));
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

bool writeJpeg(cairo_surface_t* s, const std::string& path) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out);
  cinfo.image_width = static_cast<JDIMENSION>(cairo_image_surface_get_width(s));
  cinfo.image_height = static_cast<JDIMENSION>(cairo_image_surface_get_height(s));
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_EXT_BGRX;  // a little-endian Cairo RGB24 surface as it lies
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 85, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(data + cinfo.next_scanline * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zelmo-example-images OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  cairo_surface_t* photo = drawPhoto(240, 150);
  const bool ok = makeLogo(folder + "/logo.png") && writeJpeg(photo, folder + "/station.jpg");
  cairo_surface_destroy(photo);
  if (!ok) std::fprintf(stderr, "zelmo-example-images: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
