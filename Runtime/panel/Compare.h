// Compares a rendered picture with a reference picture, pixel by pixel, so that screen authors
// notice when a screen no longer looks as it did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace panel {

// Pixels from (x1, y1) to (x2, y2), both included.
struct PixelBox {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Comparison {
  bool sameSize = true;
  int width = 0, height = 0;  // the rendered picture
  int referenceWidth = 0, referenceHeight = 0;
  int64_t differing = 0;  // pixels whose colour or alpha differs (all of them when sizes differ)
  int64_t total = 0;      // pixels of the rendered picture
  std::optional<PixelBox> box;  // around every differing pixel; none when none differs
};

// A rendered picture and its reference, each read once, and how they compare. Two pixels differ
// when any channel, alpha included, differs by more than `colourTolerance`.
class PictureComparison {
 public:
  // Reads both PNGs; throws ScreenError naming the file when one cannot be read.
  PictureComparison(const std::string& rendered, const std::string& reference,
                    int colourTolerance = 0);
  ~PictureComparison();
  PictureComparison(const PictureComparison&) = delete;
  PictureComparison& operator=(const PictureComparison&) = delete;

  const Comparison& result() const { return result_; }

  // Writes the rendered picture faded to grey, with every pixel that differs from the reference
  // in full red; pixels outside the reference (different sizes) count as differing.
  // False with a message when the file cannot be written.
  bool writeDifferencePng(const std::string& output, std::string* error) const;
  // Writes the reference, the rendered picture and the difference picture side by side, with the
  // box around the differences outlined on each, so that a change of one pixel is easy to find.
  bool writeSideBySidePng(const std::string& output, std::string* error) const;

 private:
  cairo_surface_t* rendered_;
  cairo_surface_t* reference_;
  int colourTolerance_;
  Comparison result_;
};

// "6 of 1200 pixels differ, inside the box (2,2)-(7,4)", with both sizes when they differ.
std::string describeDifference(const Comparison& result);

// OUT.png -> OUT.diff.png (OUT.diff.png when the name has no .png ending).
std::string differencePathFor(const std::string& output);

// Whether two paths name one file, existing or not (so that -o cannot overwrite the reference).
bool sameFile(const std::string& a, const std::string& b);

}  // namespace panel
