#include "support/ImageFiles.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace zelmo::test {

namespace {

void appendPng(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushPng(png_structp) {}

void put16(Bytes& row, uint8_t v) {
  row.push_back(v);  // v * 257, big-endian: the 16-bit sample of the same brightness
  row.push_back(v);
}

void le16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void le32(Bytes& out, uint32_t v) {
  le16(out, v & 0xFFFF);
  le16(out, v >> 16);
}

}  // namespace

Bytes makePng(int width, int height, const PixelFunction& pixel, PngOptions options) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, appendPng, flushPng);
  int colourType = PNG_COLOR_TYPE_RGB;
  switch (options.kind) {
    case PngKind::Grey:
      colourType = PNG_COLOR_TYPE_GRAY;
      break;
    case PngKind::GreyAlpha:
      colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
      break;
    case PngKind::Palette:
      colourType = PNG_COLOR_TYPE_PALETTE;
      break;
    case PngKind::Rgb:
      colourType = PNG_COLOR_TYPE_RGB;
      break;
    case PngKind::Rgba:
      colourType = PNG_COLOR_TYPE_RGB_ALPHA;
      break;
  }
  const bool wide = options.bitDepth == 16;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
               options.kind == PngKind::Palette ? 8 : options.bitDepth, colourType,
               options.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);

  std::vector<Rgba> colours;
  std::vector<Bytes> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba c = pixel(x, y);
      Bytes& row = rows[static_cast<size_t>(y)];
      const auto sample = [&](uint8_t v) { wide ? put16(row, v) : row.push_back(v); };
      switch (options.kind) {
        case PngKind::Grey:
          sample(c.r);
          break;
        case PngKind::GreyAlpha:
          sample(c.r), sample(c.a);
          break;
        case PngKind::Rgb:
          sample(c.r), sample(c.g), sample(c.b);
          break;
        case PngKind::Rgba:
          sample(c.r), sample(c.g), sample(c.b), sample(c.a);
          break;
        case PngKind::Palette: {
          auto found = std::find_if(colours.begin(), colours.end(), [&](const Rgba& p) {
            return p.r == c.r && p.g == c.g && p.b == c.b && p.a == c.a;
          });
          if (found == colours.end()) found = colours.insert(colours.end(), c);
          row.push_back(static_cast<uint8_t>(found - colours.begin()));
        }
      }
    }
  }
  if (options.kind == PngKind::Palette) {
    std::vector<png_color> palette;
    std::vector<png_byte> alpha;
    for (const Rgba& c : colours) palette.push_back({c.r, c.g, c.b}), alpha.push_back(c.a);
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (std::any_of(alpha.begin(), alpha.end(), [](png_byte a) { return a != 255; }))
      png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
  }
  std::vector<png_bytep> pointers;
  for (Bytes& row : rows) pointers.push_back(row.data());
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

namespace {

// A compressor writing to memory; libjpeg's default error handling ends the test program,
// which is what a failure to make a test file deserves.
struct Compressor {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  Compressor(int width, int height, int components, J_COLOR_SPACE space) {
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
  }
  ~Compressor() {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
  }
  Bytes write(const std::vector<Bytes>& rows) {
    jpeg_start_compress(&cinfo, TRUE);
    for (const Bytes& row : rows) {
      JSAMPROW p = const_cast<JSAMPROW>(row.data());
      jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    return Bytes(buffer, buffer + size);
  }
};

}  // namespace

Bytes makeJpeg(int width, int height, const PixelFunction& pixel, JpegKind kind, int quality) {
  const bool grey = kind == JpegKind::Grey;
  const int components = grey ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
  Compressor c(width, height, components,
               grey                     ? JCS_GRAYSCALE
               : kind == JpegKind::Cmyk ? JCS_CMYK
                                        : JCS_RGB);
  jpeg_set_quality(&c.cinfo, quality, TRUE);
  if (kind == JpegKind::Progressive) jpeg_simple_progression(&c.cinfo);
  std::vector<Bytes> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba p = pixel(x, y);
      Bytes& row = rows[static_cast<size_t>(y)];
      if (grey) {
        row.push_back(p.r);
      } else if (kind == JpegKind::Cmyk) {
        row.insert(row.end(), {static_cast<uint8_t>(255 - p.r), static_cast<uint8_t>(255 - p.g),
                               static_cast<uint8_t>(255 - p.b), 0});
      } else {
        row.insert(row.end(), {p.r, p.g, p.b});
      }
    }
  }
  return c.write(rows);
}

Bytes makeJpegWithScans(int width, int height, int scans) {
  Compressor c(width, height, 1, JCS_GRAYSCALE);
  // One DC scan, then the 63 AC coefficients in bands: up to 63 bands of one scan each, and
  // beyond that bands sent in two halves (a first pass and a refinement).
  std::vector<jpeg_scan_info> script{{1, {0}, 0, 0, 0, 0}};
  const int ac = std::clamp(scans - 1, 1, 126);
  const int bands = std::min(ac, 63);
  const int refined = ac - bands;
  for (int b = 0; b < bands; ++b) {
    const int first = 1 + b * 63 / bands, last = (b + 1) * 63 / bands;
    if (b < refined) {
      script.push_back({1, {0}, first, last, 0, 1});
      script.push_back({1, {0}, first, last, 1, 0});
    } else {
      script.push_back({1, {0}, first, last, 0, 0});
    }
  }
  c.cinfo.scan_info = script.data();
  c.cinfo.num_scans = static_cast<int>(script.size());
  std::vector<Bytes> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      rows[static_cast<size_t>(y)].push_back(static_cast<uint8_t>((x * 7 + y * 13) & 0xFF));
  return c.write(rows);
}

Bytes makeBmp(int width, int height, const PixelFunction& pixel, BmpKind kind, bool topDown) {
  const bool palette = kind == BmpKind::Palette8 || kind == BmpKind::Rle8;
  const int bits = palette ? 8 : kind == BmpKind::Rgb24 ? 24 : 32;
  const uint32_t infoSize = kind == BmpKind::V5Alpha32 ? 124 : 40;
  const bool masksAfterHeader = kind == BmpKind::BitFields32Alpha;
  std::vector<Rgba> colours;
  if (palette) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const Rgba p = pixel(x, y);
        if (std::none_of(colours.begin(), colours.end(),
                         [&](const Rgba& c) { return c.r == p.r && c.g == p.g && c.b == p.b; }))
          colours.push_back(p);
      }
  }
  const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const uint32_t tableBytes =
      static_cast<uint32_t>(colours.size()) * 4 + (masksAfterHeader ? 16 : 0);
  const uint32_t dataOffset = 14 + infoSize + tableBytes;
  const uint32_t dataBytes = stride * static_cast<uint32_t>(height);

  Bytes out{'B', 'M'};
  le32(out, dataOffset + dataBytes);
  le32(out, 0);
  le32(out, dataOffset);
  le32(out, infoSize);
  le32(out, static_cast<uint32_t>(width));
  le32(out, static_cast<uint32_t>(topDown ? -height : height));
  le16(out, 1);
  le16(out, static_cast<uint32_t>(bits));
  const uint32_t compression = kind == BmpKind::Rle8               ? 1
                               : kind == BmpKind::BitFields32Alpha ? 6
                               : kind == BmpKind::V5Alpha32        ? 3
                                                                   : 0;
  le32(out, compression);
  le32(out, dataBytes);
  le32(out, 2835), le32(out, 2835);
  le32(out, static_cast<uint32_t>(colours.size()));
  le32(out, 0);
  // Masks: in a V5 header they are part of it, after a 40-byte header they follow it. The
  // alpha-carrying forms keep alpha in the top byte and red, green, blue below it.
  const uint32_t masks[] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
  if (masksAfterHeader || infoSize == 124) {
    for (uint32_t m : masks) le32(out, m);
  }
  if (infoSize == 124) {
    le32(out, 0x73524742u);  // 'sRGB'
    out.resize(14 + infoSize, 0);
  }
  for (const Rgba& c : colours) out.insert(out.end(), {c.b, c.g, c.r, 0});
  for (int r = 0; r < height; ++r) {
    const int y = topDown ? r : height - 1 - r;
    const size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const Rgba p = pixel(x, y);
      if (palette) {
        const auto found = std::find_if(colours.begin(), colours.end(), [&](const Rgba& c) {
          return c.r == p.r && c.g == p.g && c.b == p.b;
        });
        out.push_back(static_cast<uint8_t>(found - colours.begin()));
      } else if (bits == 24) {
        out.insert(out.end(), {p.b, p.g, p.r});
      } else {
        // BI_RGB's fourth byte is padding; fill it with a value that must not show as alpha.
        out.insert(out.end(), {p.b, p.g, p.r, kind == BmpKind::Rgb32 ? uint8_t{7} : p.a});
      }
    }
    out.resize(start + stride, 0);
  }
  return out;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace zelmo::test
