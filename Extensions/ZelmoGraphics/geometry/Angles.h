// Angle reductions for the fast sine and cosine, whose table holds tenths of a degree 0..3599.
// Every reduction works from the full value arithmetically, so even INT_MIN costs one division.
#pragma once

#include <cstdint>

namespace zelmo {

inline constexpr int32_t kTenthsPerTurn = 3600;

// Any angle in tenths of a degree, brought into 0..3599.
constexpr int32_t reduceTenths(int64_t tenths) {
  const int64_t r = tenths % kTenthsPerTurn;
  return static_cast<int32_t>(r < 0 ? r + kTenthsPerTurn : r);
}

// Whole degrees as the point rotations take them: negative angles come into 0..359, angles past
// a full turn into 1..360, so a multiple of 360 above it stays 360 (the table's 3600).
constexpr int32_t reduceDegreesToTurn(int32_t degrees) {
  const int32_t r = degrees % 360;
  if (degrees < 0) return r < 0 ? r + 360 : r;
  if (degrees > 360) return r == 0 ? 360 : r;
  return degrees;
}

}  // namespace zelmo
