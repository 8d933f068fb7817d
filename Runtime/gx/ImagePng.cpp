// PNG files through libpng's simplified API, which keeps libpng's error jumps inside libpng's
// own frames. 16-bit files are taken as sRGB like 8-bit ones (the API's default would treat them
// as linear light and draw them too bright); alpha is premultiplied for Cairo.
#include <png.h>

#include <bit>
#include <cstring>

#include "gx/ImageDecode.h"

namespace gx::decode {

namespace {

uint32_t bigEndian32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// The premultiplication Cairo's own PNG reader uses, so both give the same pixels.
uint32_t multiplyAlpha(uint32_t alpha, uint32_t colour) {
  const uint32_t t = alpha * colour + 0x80;
  return (t + (t >> 8)) >> 8;
}

void premultiply(uint32_t* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = pixels[i];
    const uint32_t a = p >> 24;
    if (a == 0xFF) continue;
    if (a == 0) {
      pixels[i] = 0;
      continue;
    }
    pixels[i] = a << 24 | multiplyAlpha(a, (p >> 16) & 0xFF) << 16 |
                multiplyAlpha(a, (p >> 8) & 0xFF) << 8 | multiplyAlpha(a, p & 0xFF);
  }
}

// Frees the simplified API's state on every way out.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

DecodedImage png(std::span<const uint8_t> file, size_t roomBytes) {
  DecodedImage out;
  // The size is judged from the IHDR chunk before libpng sees the file, so that a huge size is
  // "too large" and not whatever libpng's own limits would make of it.
  constexpr size_t kIhdrEnd = 8 + 8 + 13;
  if (file.size() < kIhdrEnd || std::memcmp(file.data() + 12, "IHDR", 4) != 0) return out;
  out.status = sizeStatus(bigEndian32(file.data() + 16), bigEndian32(file.data() + 20), roomBytes);
  if (out.status != kImageDone) return out;
  out.status = kImageCorrupt;

  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, file.data(), file.size())) return out;
  if (!allocate(out, png.image.width, png.image.height, roomBytes)) return out;
  out.status = kImageCorrupt;
  png.image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  png.image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  if (!png_image_finish_read(&png.image, nullptr, out.pixels.get(), 0, nullptr)) return out;
  premultiply(out.pixels.get(), size_t(out.width) * size_t(out.height));
  out.status = kImageDone;
  return out;
}

}  // namespace gx::decode
