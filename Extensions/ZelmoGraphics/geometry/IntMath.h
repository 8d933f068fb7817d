// 32-bit arithmetic that wraps as the panel's integers do, without signed-overflow UB.
#pragma once

#include <cstdint>

namespace zelmo {

constexpr int32_t add32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
constexpr int32_t sub32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
constexpr int32_t mul32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// The last inclusive pixel of a run of `size` starting at `start`: start + size - 1.
constexpr int32_t lastOf(int32_t start, int32_t size) { return sub32(add32(start, size), 1); }

// The low 16 or 8 bits, as the drawing service's narrow parameters take them.
constexpr uint16_t low16(int32_t v) { return static_cast<uint16_t>(static_cast<uint32_t>(v)); }
constexpr uint8_t low8(int32_t v) { return static_cast<uint8_t>(static_cast<uint32_t>(v)); }
// The low 16 bits sign-extended: a coordinate kept in a 16-bit integer, widened again.
constexpr int32_t wrap16(int32_t v) { return static_cast<int16_t>(low16(v)); }

// Truncation of a double toward zero to 64 bits, keeping the low 32 bits. Values that have no
// 64-bit integer (NaN, infinities, out of range) give 0, the low half of what the hardware's
// conversion yields for them.
inline int32_t truncToInt32Low(double v) {
  if (!(v > -9223372036854775808.0 && v < 9223372036854775808.0)) return 0;
  return static_cast<int32_t>(
      static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(v))));
}

// Truncation of a double toward zero to 32 bits; NaN and values outside the 32-bit range give
// 0. Kept to its low 16 bits this is what the hardware's conversion gives (0x80000000).
inline int32_t truncToInt32(double v) {
  if (!(v > -2147483649.0 && v < 2147483648.0)) return 0;
  return static_cast<int32_t>(v);
}

}  // namespace zelmo
