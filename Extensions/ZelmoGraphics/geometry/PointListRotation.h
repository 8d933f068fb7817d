// Rotation of point lists by an angle in milliradians (1570 a quarter turn, 6282 a full one,
// positive clockwise on the screen): the sine and cosine of an angle, and the turn of a list
// about a centre that lands on a target point.
#pragma once

#include <cstdint>
#include <optional>

#include "geometry/ShapeGeometry.h"

namespace zelmo {

// The sine, cosine and square root the rotation uses; the module hands it the core service's.
struct TrigFunctions {
  double (*sine)(int16_t tenthsOfDegree);
  double (*cosine)(int16_t tenthsOfDegree);
  double (*squareRoot)(double);
};

struct Turn {
  double sine;
  double cosine;
  // The exact quarter turns (0, 1570, 3141, 4711, 6282 either way) round to the nearest pixel;
  // every other angle truncates.
  bool exact;
};

// The angle in tenths of a degree as the sine tables take it: milliradians to degrees in single
// precision, negatives brought up by a full turn, cut to 16 bits.
int16_t tenthsOfDegree(int32_t angle);

Turn turnOf(int32_t angle, const TrigFunctions& trig);

// Turns the first `count` points of source about `centre` and lands that centre on `target`,
// writing them into `out` (which may be source). Each result keeps its low 16 bits. Returns the
// centre of the turned points; none for no points.
std::optional<Point> rotatePointList(const Turn& turn, int32_t count, Point centre, Point target,
                                     const int32_t* source, int32_t* out,
                                     double (*squareRoot)(double));

}  // namespace zelmo
