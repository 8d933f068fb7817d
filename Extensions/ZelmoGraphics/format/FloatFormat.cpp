#include "format/FloatFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/CoreServices.h"

namespace zelmo::format {
namespace {

// Precision and width are bounded before the value goes to osUTusprintf, which takes no buffer
// size: the longest text is a sign, the 39 integer digits of the largest single, the point and
// kMaxDecimals decimals, and it fits the scratch buffer. Only the first 79 characters are shown.
constexpr int32_t kMaxDecimals = 79;
constexpr int32_t kMaxWidth = 79;
constexpr int32_t kMaxIntegerDigits = 39;
constexpr int32_t kScratchSize = 1 + kMaxIntegerDigits + 1 + kMaxDecimals + 8;

int32_t bounded(int64_t v, int32_t low, int32_t high) {
  return v < low ? low : v > high ? high : static_cast<int32_t>(v);
}

// Integer digits of |value| in significant mode; |value| not above 1 counts one digit. An
// infinity counts as many digits as the largest finite single.
int32_t integerDigits(double value) {
  const double magnitude = osUTfabs(value);
  if (!(magnitude > 1.0)) return 1;
  const double exponent = osUTlog10(magnitude);
  if (!(exponent < kMaxIntegerDigits)) return kMaxIntegerDigits;
  return static_cast<int32_t>(exponent) + 1;
}

// The text of "%0*.*f" for value. A finite value is written by the standard library's exact
// decimal conversion, which gives printf's digits (correctly rounded, ties to even) at a
// fraction of its cost; infinities, NaN and anything too long for the scratch buffer go through
// the wide printf as before.
int32_t fixedText(double value, int32_t width, int32_t decimals, UniChar (&scratch)[kScratchSize]) {
  char narrow[kScratchSize];
  const auto [end, error] = std::isfinite(value)
                                ? std::to_chars(narrow, narrow + kScratchSize - 1, value,
                                                std::chars_format::fixed, decimals)
                                : std::to_chars_result{nullptr, std::errc::value_too_large};
  if (error != std::errc{}) {
    osUTusprintf(scratch, u"%0*.*f", width, decimals, value);
    scratch[kScratchSize - 1] = 0;
    return osUTustrlen(scratch);
  }
  const int32_t length = static_cast<int32_t>(end - narrow);
  const int32_t sign = narrow[0] == '-' ? 1 : 0;
  // Zero padding goes after the sign; width is at most kMaxWidth, so it fits the scratch buffer.
  const int32_t pad = width > length ? width - length : 0;
  int32_t n = 0;
  if (sign) scratch[n++] = u'-';
  for (int32_t i = 0; i < pad; ++i) scratch[n++] = u'0';
  for (int32_t i = sign; i < length; ++i) scratch[n++] = static_cast<UniChar>(narrow[i]);
  scratch[n] = 0;
  return n;
}

}  // namespace

int32_t formatFloat(double value, const FloatOptions& options, Separators separators,
                    NumberBuffer out) {
  // A finite double beyond the largest single would print more digits than the scratch buffer
  // holds; the displays only ever hold singles, so it shows as the largest one.
  constexpr double kLargestSingle = std::numeric_limits<float>::max();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (value > kLargestSingle && value < kInfinity) value = kLargestSingle;
  if (value < -kLargestSingle && value > -kInfinity) value = -kLargestSingle;
  const int64_t digits = options.digits;
  int64_t decimals = bounded(options.decimals, 0, kMaxDecimals);
  int32_t width = 0;
  if (options.significant) {
    const int32_t intDigits = integerDigits(value);
    if (intDigits < digits) decimals = bounded(digits - intDigits, 0, kMaxDecimals);
    width = intDigits;
  } else if (options.leadingZeros) {
    width =
        bounded(digits + decimals + (value < 0.0 ? 1 : 0) + (decimals > 0 ? 1 : 0), 0, kMaxWidth);
  }
  UniChar scratch[kScratchSize];
  const int32_t length = fixedText(value, width, static_cast<int32_t>(decimals), scratch);
  if (separators.decimal != u'.') {
    for (int32_t i = 0; i < length; ++i) {
      if (scratch[i] == u'.') {
        scratch[i] = separators.decimal;
        break;
      }
    }
  }

  TextBuilder text(out);
  const int64_t limit = digits + decimals + (value < 0.0 ? 1 : 0) + (decimals > 0 ? 1 : 0);
  if (length > limit) {
    int64_t markDigits = digits;
    if (value < 0.0) {
      text.push(u'-');
      ++markDigits;
    }
    text.fillTo(u'*', markDigits);
    if (decimals > 0) {
      text.push(separators.decimal);
      text.fillTo(u'*', markDigits + decimals + 1);
    }
  } else {
    text.append(scratch, length);
  }
  if (options.grouping) groupDigits(text, separators.group, 3, separators.decimal);
  text.appendTerminated(options.suffix);
  return text.length();
}

}  // namespace zelmo::format
