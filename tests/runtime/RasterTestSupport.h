// Colours and ink counting for the raster drawing service's tests.
#pragma once

#include <algorithm>
#include <climits>
#include <optional>
#include <ostream>

#include "gx/RasterBackend.h"

namespace zelmo::test {

inline constexpr int32_t kRed = 0xFF0000, kBlue = 0x0000FF;
inline constexpr int32_t kNone = static_cast<int32_t>(0x80000000u);
inline constexpr uint32_t kWhitePixel = 0xFFFFFFFFu, kRedPixel = 0xFFFF0000u;
inline constexpr uint32_t kBluePixel = 0xFF0000FFu;

// The box of the composite's pixels in x1..x2, y1..y2 that are `colour` (by default: not white),
// and how many there are.
struct Ink {
  int x1 = INT_MAX, y1 = INT_MAX, x2 = -1, y2 = -1, count = 0;
  bool operator==(const Ink&) const = default;
  friend void PrintTo(const Ink& d, std::ostream* os) {
    *os << "{" << d.x1 << "," << d.y1 << "," << d.x2 << "," << d.y2 << " n=" << d.count << "}";
  }
};

inline Ink inkOf(const gx::RasterBackend& r, int x1, int y1, int x2, int y2,
                 std::optional<uint32_t> colour = std::nullopt) {
  Ink d;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (colour ? r.pixel(x, y) == *colour : r.pixel(x, y) != kWhitePixel)
        d = {std::min(d.x1, x), std::min(d.y1, y), std::max(d.x2, x), std::max(d.y2, y),
             d.count + 1};
  return d;
}

}  // namespace zelmo::test
