// The float display of the canvas: a single-precision value (widened to double) with fixed
// integer positions and decimals, or with a number of significant digits, zero padding,
// grouping and a unit, and asterisks when the value does not fit. Writes a zero-terminated
// text of at most 79 characters into the caller's 80-character buffer; returns its length.
#pragma once

#include "format/NumberFormat.h"

namespace zelmo::format {

struct FloatOptions {
  int32_t digits = 0;
  int32_t decimals = 0;
  bool leadingZeros = false;
  bool significant = false;
  bool grouping = false;
  const UniChar* suffix = nullptr;  // zero-terminated; null for none
};

int32_t formatFloat(double value, const FloatOptions& options, Separators separators,
                    NumberBuffer out);

}  // namespace zelmo::format
