// BMP files, read here: panel projects keep logos and button bitmaps as BMP, and the format is
// simple enough that a reader of our own, checking every field against the file's size, is
// safer than a toolkit brought in for it. Read: uncompressed 8-bit palette, 24 and 32 bits,
// bottom-up or top-down, and 32 bits with byte-wide bit fields. 32-bit BI_RGB files have no
// alpha (their fourth byte is padding); run-length encoded and other depths are not read.

#include "gx/ImageDecode.h"

namespace gx::decode {

namespace {

constexpr size_t kFileHeader = 14;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

// Little-endian fields of a byte span, read only inside it.
struct Reader {
  std::span<const uint8_t> bytes;
  bool has(size_t at, size_t n) const { return at <= bytes.size() && n <= bytes.size() - at; }
  uint32_t u32(size_t at) const {
    const uint8_t* p = bytes.data() + at;
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  }
  uint16_t u16(size_t at) const { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
};

// Where each channel sits in a 32-bit pixel: a shift of 0, 8, 16 or 24 for a byte-wide mask,
// and whether there is an alpha channel at all.
struct Channels {
  int red = 16, green = 8, blue = 0, alpha = -1;
};

// The shift of a mask that covers exactly one byte, or -1.
int byteShift(uint32_t mask) {
  for (int shift = 0; shift < 32; shift += 8)
    if (mask == 0xFFu << shift) return shift;
  return -1;
}

uint32_t premultiplied(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
  if (a == 0xFF) return 0xFF000000u | r << 16 | g << 8 | b;
  const auto mul = [a](uint32_t c) {
    const uint32_t t = a * c + 0x80;
    return (t + (t >> 8)) >> 8;
  };
  return a << 24 | mul(r) << 16 | mul(g) << 8 | mul(b);
}

}  // namespace

DecodedImage bmp(std::span<const uint8_t> file, size_t roomBytes) {
  DecodedImage out;
  const Reader in{file};
  if (!in.has(0, kFileHeader + 4)) return out;
  const uint32_t dataOffset = in.u32(10);
  const uint32_t infoSize = in.u32(14);
  // BITMAPINFOHEADER and its longer versions (52, 56, 108 and 124 bytes); the 12-byte OS/2
  // header and others are not read.
  if (infoSize < 40 || infoSize > 124) {
    out.status = infoSize == 12 ? kImageUnknownFormat : kImageCorrupt;
    return out;
  }
  if (!in.has(kFileHeader, infoSize)) return out;
  const int32_t width = static_cast<int32_t>(in.u32(18));
  const int32_t rawHeight = static_cast<int32_t>(in.u32(22));
  const uint16_t planes = in.u16(26);
  const uint16_t bits = in.u16(28);
  const uint32_t compression = in.u32(30);
  const uint32_t coloursUsed = in.u32(46);
  if (planes != 1 || width <= 0 || rawHeight == 0) return out;
  const bool topDown = rawHeight < 0;
  const uint32_t height =
      topDown ? 0u - static_cast<uint32_t>(rawHeight) : static_cast<uint32_t>(rawHeight);

  Channels channels;
  size_t tableStart = kFileHeader + infoSize;
  if (bits == 32 && (compression == kBitFields || compression == kAlphaBitFields)) {
    // The masks follow a 40-byte header, and are part of the longer ones.
    const size_t masks = kFileHeader + 40;
    const bool withAlpha = compression == kAlphaBitFields || infoSize >= 56;
    if (!in.has(masks, withAlpha ? 16 : 12)) return out;
    if (infoSize == 40) tableStart += compression == kAlphaBitFields ? 16 : 12;
    channels.red = byteShift(in.u32(masks));
    channels.green = byteShift(in.u32(masks + 4));
    channels.blue = byteShift(in.u32(masks + 8));
    const uint32_t alphaMask = withAlpha ? in.u32(masks + 12) : 0;
    channels.alpha = alphaMask ? byteShift(alphaMask) : -1;
    if (channels.red < 0 || channels.green < 0 || channels.blue < 0 ||
        (alphaMask && channels.alpha < 0)) {
      out.status = kImageUnknownFormat;
      return out;
    }
  } else if (compression != kRgb || (bits != 8 && bits != 24 && bits != 32)) {
    out.status = kImageUnknownFormat;  // run-length encoded, 1, 4 or 16 bits, embedded files
    return out;
  }

  // The palette of an 8-bit file: 4 bytes (blue, green, red, unused) per colour.
  uint32_t paletteSize = 0;
  if (bits == 8) {
    paletteSize = coloursUsed == 0 ? 256 : coloursUsed;
    if (paletteSize > 256 || !in.has(tableStart, size_t{paletteSize} * 4)) return out;
  }

  // Rows are padded to 4 bytes; the pixel data must lie wholly inside the file.
  const uint64_t stride = (uint64_t{static_cast<uint32_t>(width)} * bits + 31) / 32 * 4;
  if (width > kMaxImageSide || height > kMaxImageSide) {
    out.status = kImageTooLarge;
    return out;
  }
  if (dataOffset < tableStart + size_t{paletteSize} * 4 || !in.has(dataOffset, stride * height))
    return out;
  if (!allocate(out, static_cast<uint32_t>(width), height, roomBytes)) return out;

  const uint8_t* const data = file.data() + dataOffset;
  const uint8_t* const palette = file.data() + tableStart;
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* row = data + (topDown ? y : height - 1 - y) * stride;
    uint32_t* target = out.pixels.get() + size_t{y} * size_t(width);
    for (int32_t x = 0; x < width; ++x) {
      if (bits == 8) {
        const uint8_t index = row[x];
        if (index >= paletteSize) {  // a colour the palette does not have
          out.status = kImageCorrupt;
          return out;
        }
        const uint8_t* c = palette + size_t{index} * 4;
        target[x] = 0xFF000000u | uint32_t{c[2]} << 16 | uint32_t{c[1]} << 8 | c[0];
      } else if (bits == 24) {
        const uint8_t* c = row + size_t(x) * 3;
        target[x] = 0xFF000000u | uint32_t{c[2]} << 16 | uint32_t{c[1]} << 8 | c[0];
      } else {
        const uint32_t p = in.u32(static_cast<size_t>(row - file.data()) + size_t(x) * 4);
        const uint32_t a = channels.alpha < 0 ? 0xFF : (p >> channels.alpha) & 0xFF;
        target[x] = premultiplied(a, (p >> channels.red) & 0xFF, (p >> channels.green) & 0xFF,
                                  (p >> channels.blue) & 0xFF);
      }
    }
  }
  out.status = kImageDone;
  return out;
}

}  // namespace gx::decode
