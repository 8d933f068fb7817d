// Path texts through the raster drawing service: the first 16 bytes are the four transform words
// (translateX, translateY, scaleX, scaleY), every later byte one UTF-16 unit of the text, bytes
// from 0x80 standing for units beyond ASCII. The text is filled and stroked on a small surface.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gx/RasterBackend.h"

// Font and drawing libraries keep caches for the life of the process; they are not leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libfreetype\nleak:libcairo\nleak:libpixman\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int32_t words[4] = {0, 0, 0, 0};
  const size_t head = size < sizeof words ? size : sizeof words;
  std::memcpy(words, data, head);
  std::vector<UniChar> text;
  text.reserve(size - head);
  for (size_t i = head; i < size; ++i)
    text.push_back(data[i] < 0x80 ? data[i] : static_cast<UniChar>(0xD800 + data[i]));

  static gx::RasterBackend raster(64, 64, 1, 0xFFFFFF);  // one surface, as a panel keeps
  const auto count = static_cast<int32_t>(text.size());
  raster.fillPath(words[0], words[1], words[2], words[3], text.data(), count, 0x336699);
  raster.drawPath(words[0], words[1], words[2], words[3], text.data(), count, 0x000000,
                  static_cast<uint16_t>(words[2]));
  return 0;
}
