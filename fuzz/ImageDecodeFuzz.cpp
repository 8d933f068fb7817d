// decodeImage over arbitrary bytes: whatever a file holds, decoding returns a status, and a
// decoded image has the pixels its size promises. Seeds: fuzz/corpus/ImageDecodeFuzz/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gx/ImageDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A smaller room than the service's keeps each run fast; the caps are checked all the same.
  const gx::DecodedImage image = gx::decodeImage({data, size}, size_t{16} << 20);
  if (image.status == gx::kImageDone) {
    if (image.width <= 0 || image.height <= 0 || !image.pixels) std::abort();
    // Touch the last pixel, so that a short buffer shows under the address sanitizer.
    volatile uint32_t last = image.pixels[image.bytes() / 4 - 1];
    (void)last;
  } else if (image.pixels || image.status < 1 || image.status > 6) {
    std::abort();
  }
  return 0;
}
