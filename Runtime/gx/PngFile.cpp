#include "gx/PngFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

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
