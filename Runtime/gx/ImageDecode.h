// Picture files for the raster drawing service: the status values it reports, its caps, and the
// one entry point that turns the bytes of a PNG, JPEG or BMP file into premultiplied pixels.
// The loader, the tests and the fuzz target all go through decodeImage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace gx {

// Status values of osGXloadImage and osGXcreateImage (docs/drawing-service.md).
enum ImageStatus : int32_t {
  kImageDone = 0,
  kImageNoFile = 1,       // no file at that path, the empty path included
  kImageNoArea = 2,       // no such layer, or the area lies wholly off it
  kImageNotReadable = 3,  // a directory, device, FIFO, or no permission
  kImageUnknownFormat = 4,
  kImageCorrupt = 5,   // corrupt or truncated
  kImageTooLarge = 6,  // too large, or no room left under the caps
};

// Caps, checked from a file's header before any pixel memory is taken.
inline constexpr int kMaxImageSide = 8192;
inline constexpr size_t kMaxImageFileBytes = size_t{64} << 20;
inline constexpr size_t kMaxLiveImageBytes = size_t{256} << 20;  // all live images together
inline constexpr uint32_t kMaxLiveImages = 1024;

// Pixels as 0xAARRGGBB words with premultiplied alpha, row after row without padding: the
// layout of a Cairo ARGB32 surface whose stride is 4 x width.
struct DecodedImage {
  int32_t status = kImageCorrupt;
  int width = 0;
  int height = 0;
  std::unique_ptr<uint32_t[]> pixels;

  size_t bytes() const { return size_t(width) * size_t(height) * 4; }
};

// Decodes a whole file held in memory, the format judged by its signature. An image whose pixels
// would take more than roomBytes is refused with kImageTooLarge before it is decoded.
DecodedImage decodeImage(std::span<const uint8_t> file, size_t roomBytes = kMaxLiveImageBytes);

// The decoders behind decodeImage, each for a file that starts with its signature.
namespace decode {
// The status a header's size earns: kImageDone when it fits under the caps, kImageCorrupt for
// an empty image, kImageTooLarge otherwise.
int32_t sizeStatus(uint32_t width, uint32_t height, size_t roomBytes);
// Takes pixel memory for the header's size; on a size that sizeStatus refuses, sets that status
// and returns false.
bool allocate(DecodedImage& image, uint32_t width, uint32_t height, size_t roomBytes);
DecodedImage png(std::span<const uint8_t> file, size_t roomBytes);
DecodedImage jpeg(std::span<const uint8_t> file, size_t roomBytes);
DecodedImage bmp(std::span<const uint8_t> file, size_t roomBytes);
}  // namespace decode

}  // namespace gx
