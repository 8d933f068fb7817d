// Compares a rendered picture with a reference picture, pixel by pixel, so that screen authors
// notice when a screen no longer looks as it did.
#pragma once

#include <cstdint>
#include <string>

namespace panel {

struct Comparison {
  bool sameSize = true;
  int64_t differing = 0;  // pixels whose colour or alpha differs (all of them when sizes differ)
  int64_t total = 0;      // pixels of the rendered picture
};

// Reads both PNGs; throws ScreenError naming the file when one cannot be read.
Comparison comparePngs(const std::string& rendered, const std::string& reference);

// Writes the rendered picture faded to grey, with every pixel that differs from the reference
// in full red; pixels outside the reference (different sizes) count as differing.
// False with a message when the file cannot be written.
bool writeDifferencePng(const std::string& rendered, const std::string& reference,
                        const std::string& output, std::string* error);

// OUT.png -> OUT.diff.png (OUT.diff.png when the name has no .png ending).
std::string differencePathFor(const std::string& output);

}  // namespace panel
