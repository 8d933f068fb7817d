// PNG files as the panel reads and writes them, with the reason when that fails.
#pragma once

#include <cairo.h>

#include <string>

namespace gx {

// Writes `surface` to `path`; on failure sets `error` to why (without the path) and returns false.
bool writePngFile(cairo_surface_t* surface, const std::string& path, std::string* error);

// The PNG bytes of an ARGB32 surface, compressed for speed rather than size (a report encodes a
// patch after every call); empty on failure.
std::string quickPngBytes(cairo_surface_t* surface);

// Why `path` cannot be read as a PNG ("No such file or directory", "not a PNG file"), or ""
// when it starts as one. Cairo alone says "out of memory" for some files that are no PNG.
std::string pngReadProblem(const std::string& path);

}  // namespace gx
