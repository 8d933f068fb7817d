// SVG 1.1 path data ("M10 10 h 20 a5 5 0 0 1 5 5 z") parsed into absolute moves, lines and cubic
// curves. Written for the drawing service: one pass over the text, nothing allocated per number,
// numbers read the same in every locale, and a text that does not parse yields no segments at
// all, only the place and reason of the error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

namespace gx::path {

struct Point {
  double x, y;
};

// kMove starts a subpath at p[0]; kLine goes to p[0]; kCubic goes to p[2] with controls p[0],
// p[1]; kClose closes the subpath back to its start.
struct Segment {
  enum Kind : uint8_t { kMove, kLine, kCubic, kClose };
  Kind kind;
  Point p[3];
};

struct Parsed {
  std::vector<Segment> segments;  // empty when the text has an error
  bool ok = true;
  size_t errorAt = 0;  // UTF-16 unit where the error was found
  std::string error;   // why, in a few words
};

// Parses `count` UTF-16 units. Quadratic curves become cubics; elliptic arcs become at most four
// cubic pieces each, by SVG's rules for out-of-range parameters (an arc ending where it starts
// is left out, a zero radius makes a line, radii too small to reach the end are scaled up).
// A null text or a count of 0 or less is the empty path.
Parsed parse(const UniChar* chars, int32_t count);

}  // namespace gx::path
