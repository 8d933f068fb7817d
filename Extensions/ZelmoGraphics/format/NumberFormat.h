// The integer displays of the canvas: digit texts of a 32-bit value in a base, cut, padded,
// given a fixed decimal point, grouped and followed by a unit. Every function writes a
// zero-terminated text into the caller's 80-character buffer and returns its length; no text
// ever goes past 79 characters.
#pragma once

#include <cstdint>
#include <span>

#include "format/TextBuilder.h"
#include "platform/PlatformTypes.h"

namespace zelmo::format {

inline constexpr size_t kNumberBufferSize = 80;  // 79 characters and the terminator
using NumberBuffer = std::span<UniChar, kNumberBufferSize>;

// The two characters the managed side chooses for every number display.
struct Separators {
  UniChar decimal;
  UniChar group;
};

// Bases outside 2..36 have no digits; they are shown in base 10.
int32_t normalisedBase(int32_t base);

// The value's digits in the base (lower-case letters, a leading '-' in base 10 only).
int32_t formatPlain(int32_t value, int32_t base, NumberBuffer out);

// At most `digits` characters: longer texts keep their last digits, shorter ones are padded
// with zeros after the sign when leadingZeros is set. A negative digit count shows nothing.
int32_t formatTruncated(int32_t value, int32_t base, int32_t digits, bool leadingZeros,
                        NumberBuffer out);

struct FixedPointOptions {
  int32_t base = 10;
  int32_t digits = 0;    // integer positions
  int32_t decimals = 0;  // positions after the decimal separator (base 10 only)
  bool isUnsigned = false;
  bool grouping = false;
  bool leadingZeros = false;
  const UniChar* suffix = nullptr;  // zero-terminated; null for none
};

// digits.decimals positions; a value that does not fit shows as asterisks (the overflow mark).
int32_t formatFixedPoint(int32_t value, const FixedPointOptions& options, Separators separators,
                         NumberBuffer out);

// The older fixed-point display: the sign takes one of the digit positions and at most ten
// decimals are shown.
int32_t formatLegacyFixedPoint(int32_t value, int32_t base, int32_t digits, int32_t decimals,
                               bool leadingZeros, UniChar decimalSeparator, NumberBuffer out);

// Puts `separator` between groups of `groupSize` digits of the integer part, which ends at the
// last decimal separator (when that is not the first character). No separator follows a
// leading '-'.
void groupDigits(TextBuilder& text, UniChar separator, int32_t groupSize, UniChar decimalSeparator);

}  // namespace zelmo::format
