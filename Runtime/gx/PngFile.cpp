#include "gx/PngFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdint>
#include <memory>
#include <vector>

#include <png.h>

namespace gx {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

cairo_status_t writeTo(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool writePngFile(cairo_surface_t* surface, const std::string& path, std::string* error) {
  // Opened here rather than by cairo, so that the system's reason can be told.
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    if (error) *error = std::strerror(errno);
    return false;
  }
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface, writeTo, file);
  const bool flushed = std::fflush(file) == 0;
  const int flushError = errno;
  const bool closed = std::fclose(file) == 0;
  if (status != CAIRO_STATUS_SUCCESS || !flushed || !closed) {
    if (error) *error = flushed ? cairo_status_to_string(status) : std::strerror(flushError);
    return false;
  }
  return true;
}

std::string quickPngBytes(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  if (!data || width <= 0 || height <= 0) return {};
  std::string png;
  png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = writer ? png_create_info_struct(writer) : nullptr;
  if (!info) {
    png_destroy_write_struct(&writer, nullptr);
    return {};
  }
  std::vector<png_byte> row(static_cast<size_t>(width) * 4);
  if (setjmp(png_jmpbuf(writer))) {
    png_destroy_write_struct(&writer, &info);
    return {};
  }
  png_set_write_fn(
      writer, &png,
      [](png_structp w, png_bytep bytes, png_size_t length) {
        static_cast<std::string*>(png_get_io_ptr(w))->append(reinterpret_cast<char*>(bytes), length);
      },
      nullptr);
  png_set_IHDR(writer, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(writer, 4);
  png_set_filter(writer, 0, PNG_FILTER_SUB);
  png_write_info(writer, info);
  for (int y = 0; y < height; ++y) {
    const auto* pixels = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      // Cairo keeps colour premultiplied by alpha; PNG wants it straight, rounded as cairo does.
      const uint32_t p = pixels[x];
      const uint32_t alpha = p >> 24;
      png_byte* out = &row[static_cast<size_t>(x) * 4];
      const auto straight = [alpha](uint32_t c) {
        return static_cast<png_byte>(alpha == 0 ? 0 : (c * 255 + alpha / 2) / alpha);
      };
      out[0] = straight((p >> 16) & 0xFF);
      out[1] = straight((p >> 8) & 0xFF);
      out[2] = straight(p & 0xFF);
      out[3] = static_cast<png_byte>(alpha);
    }
    png_write_row(writer, row.data());
  }
  png_write_end(writer, info);
  png_destroy_write_struct(&writer, &info);
  return png;
}

std::string pngReadProblem(const std::string& path) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::strerror(errno);
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  unsigned char start[8] = {};
  if (std::fread(start, 1, sizeof start, file.get()) != sizeof start ||
      std::memcmp(start, kSignature, sizeof start) != 0)
    return "not a PNG file";
  return "";
}

}  // namespace gx
