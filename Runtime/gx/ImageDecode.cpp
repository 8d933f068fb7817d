#include "gx/ImageDecode.h"

#include <cstring>

namespace gx {

namespace {

bool startsWith(std::span<const uint8_t> file, std::span<const uint8_t> signature) {
  return file.size() >= signature.size() &&
         std::memcmp(file.data(), signature.data(), signature.size()) == 0;
}

constexpr uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kJpeg[] = {0xFF, 0xD8, 0xFF};
constexpr uint8_t kBmp[] = {'B', 'M'};

}  // namespace

namespace decode {

int32_t sizeStatus(uint32_t width, uint32_t height, size_t roomBytes) {
  if (width == 0 || height == 0) return kImageCorrupt;
  if (width > kMaxImageSide || height > kMaxImageSide ||
      size_t{width} * size_t{height} * 4 > roomBytes)
    return kImageTooLarge;
  return kImageDone;
}

bool allocate(DecodedImage& image, uint32_t width, uint32_t height, size_t roomBytes) {
  image.status = sizeStatus(width, height, roomBytes);
  if (image.status != kImageDone) return false;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels = std::make_unique_for_overwrite<uint32_t[]>(size_t{width} * size_t{height});
  return true;
}

}  // namespace decode

DecodedImage decodeImage(std::span<const uint8_t> file, size_t roomBytes) {
  DecodedImage image;
  if (file.size() > kMaxImageFileBytes)
    image.status = kImageTooLarge;
  else if (startsWith(file, kPng))
    image = decode::png(file, roomBytes);
  else if (startsWith(file, kJpeg))
    image = decode::jpeg(file, roomBytes);
  else if (startsWith(file, kBmp))
    image = decode::bmp(file, roomBytes);
  else
    image.status = kImageUnknownFormat;
  // Whatever a decoder left behind on failure is dropped, so a failure never carries pixels.
  if (image.status != kImageDone) {
    image.width = image.height = 0;
    image.pixels.reset();
  }
  return image;
}

}  // namespace gx
