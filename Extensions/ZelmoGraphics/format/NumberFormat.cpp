#include "format/NumberFormat.h"

#include "platform/CoreServices.h"

namespace zelmo::format {
namespace {

// osUTitou writes at most 33 characters and the terminator for a 32-bit value.
constexpr int32_t kDigitScratch = 40;

// The digit text of the value. In base 10 and 8 the unsigned flag reads the 32 bits as an
// unsigned number; every other text comes from osUTitou.
void digitText(int32_t value, int32_t base, bool asUnsigned, TextBuilder& text) {
  UniChar scratch[kDigitScratch] = {};
  if (asUnsigned && base == 10) {
    osUTusprintf(scratch, u"%u", static_cast<uint32_t>(value));
  } else if (asUnsigned && base == 8) {
    osUTusprintf(scratch, u"%o", static_cast<uint32_t>(value));
  } else {
    osUTitou(value, scratch, base);
  }
  scratch[kDigitScratch - 1] = 0;
  text.assign(scratch, osUTustrlen(scratch));
}

void upperCase(TextBuilder& text) {
  for (int32_t i = 0; i < text.length(); ++i) text.at(i) = osUTtoupper(text[i]);
}

}  // namespace

int32_t normalisedBase(int32_t base) { return base >= 2 && base <= 36 ? base : 10; }

void groupDigits(TextBuilder& text, UniChar separator, int32_t groupSize,
                 UniChar decimalSeparator) {
  if (groupSize < 1) return;
  const int32_t n = text.length();
  int32_t end = n;
  for (int32_t i = n - 1; i >= 0; --i) {
    if (text[i] == decimalSeparator) {
      if (i >= 1) end = i;
      break;
    }
  }
  const int32_t sign = text.startsWith(u'-') ? 1 : 0;
  const int32_t groups = (end - 1 - sign) / groupSize;
  if (groups < 1) return;
  // Walk from the right so that each insertion leaves the positions still to visit in place.
  for (int32_t i = end - groupSize; i >= 1 + sign; i -= groupSize) text.insert(i, separator, 1);
}

int32_t formatPlain(int32_t value, int32_t base, NumberBuffer out) {
  base = normalisedBase(base);
  TextBuilder text(out);
  digitText(value, base, false, text);
  if (base == 16) upperCase(text);
  return text.length();
}

int32_t formatTruncated(int32_t value, int32_t base, int32_t digits, bool leadingZeros,
                        NumberBuffer out) {
  base = normalisedBase(base);
  TextBuilder text(out);
  digitText(value, base, false, text);
  if (base == 16) upperCase(text);
  const int32_t n = text.length();
  if (n > digits) {
    text.keepLast(digits);
  } else if (leadingZeros && n < digits) {
    text.insert(text.startsWith(u'-') ? 1 : 0, u'0', int64_t{digits} - n);
  }
  return text.length();
}

int32_t formatFixedPoint(int32_t value, const FixedPointOptions& options, Separators separators,
                         NumberBuffer out) {
  const int32_t base = normalisedBase(options.base);
  TextBuilder text(out);
  digitText(value, base, options.isUnsigned, text);
  // A negative count of decimals is taken as none.
  const int64_t decimals = base != 10 || options.decimals < 0 ? 0 : options.decimals;
  int64_t digits = options.digits;
  int64_t total = digits + decimals;
  const bool negative = !options.isUnsigned && value < 0 && base == 10;
  int64_t n = text.length();

  if (n - (negative ? 1 : 0) > total) {
    text.clear();
    if (!options.isUnsigned && value < 0) {
      text.push(u'-');
      ++digits;
      ++total;
    }
    text.fillTo(u'*', digits);
    if (decimals > 0) {
      text.push(separators.decimal);
      text.fillTo(u'*', total + 1);
    }
  } else {
    if (negative) {
      text.eraseFront(1);
      --n;
    }
    // Zeros that would not fit are left out, never the digits behind them: the room kept
    // covers only the sign and the separator still to come, so every text of up to 79
    // characters gets all its zeros.
    if (options.leadingZeros && total > n) {
      const int64_t room = text.room() - (negative ? 1 : 0) - (decimals > 0 ? 1 : 0);
      text.insert(0, u'0', total - n < room ? total - n : room);
    }
    n = text.length();
    if (decimals > 0) {
      if (n > decimals) {
        text.insert(static_cast<int32_t>(n - decimals), separators.decimal, 1);
      } else {
        UniChar magnitude[kNumberBufferSize];
        for (int32_t i = 0; i < n; ++i) magnitude[i] = text[i];
        text.clear();
        text.push(u'0');
        text.push(separators.decimal);
        const int64_t room = text.room() - 1 - n;
        text.fillTo(u'0', text.length() + (decimals - n < room ? decimals - n : room));
        text.append(magnitude, n);
      }
    } else if (base == 16) {
      upperCase(text);
    }
    if (options.grouping) {
      if (base == 10) groupDigits(text, separators.group, 3, separators.decimal);
      if (base == 16 || base == 2) groupDigits(text, u' ', 4, separators.decimal);
      if (base == 8) groupDigits(text, u' ', 3, separators.decimal);
    }
    if (negative) text.insert(0, u'-', 1);
  }
  text.appendTerminated(options.suffix);
  return text.length();
}

int32_t formatLegacyFixedPoint(int32_t value, int32_t base, int32_t digitsArgument,
                               int32_t decimalsArgument, bool leadingZeros,
                               UniChar decimalSeparator, NumberBuffer out) {
  base = normalisedBase(base);
  TextBuilder text(out);
  const bool negative = base == 10 && value < 0;
  int64_t digits = int64_t{digitsArgument} + (negative ? 1 : 0);
  // A negative count of decimals is taken as none, so that the width below never cuts a value.
  int64_t decimals = decimalsArgument < 0 ? 0 : decimalsArgument;
  digitText(value, base, false, text);
  const int32_t n = text.length();

  if (base != 10) {
    if (n > digits) {
      for (int32_t i = 0; i < n; ++i) text.at(i) = u'*';
    } else if (base == 16) {
      upperCase(text);
    }
  } else if (decimals > 0) {
    if (decimals > 10) decimals = 10;
    if (digits + decimals < n) {
      text.clear();
      text.fillTo(u'*', digits);
      text.push(decimalSeparator);
      text.fillTo(u'*', text.length() + decimals);
      return text.length();
    }
    ++digits;
    const int32_t m = n - (negative ? 1 : 0);
    if (decimals < m) {
      text.insert(static_cast<int32_t>(n - decimals), decimalSeparator, 1);
    } else {
      UniChar magnitude[kNumberBufferSize];
      for (int32_t i = 0; i < m; ++i) magnitude[i] = text[n - m + i];
      text.clear();
      if (negative) text.push(u'-');
      text.push(u'0');
      text.push(decimalSeparator);
      text.fillTo(u'0', text.length() + decimals - m);
      text.append(magnitude, m);
    }
  } else {
    // The text builder keeps the overflow mark and the padding inside the buffer, so the limit
    // of 80 positions cuts no text that fits (a negative value's sign takes one of them).
    if (digits > 80) digits = 80;
    if (n > digits) {
      text.clear();
      text.fillTo(u'*', digits + 1);
    }
  }

  const int64_t width = digits + decimals + (decimals > 0 ? 1 : 0);
  const int32_t length = text.length();
  if (length > width) {
    text.keepLast(digits);
  } else if (leadingZeros && length < digits + decimals) {
    text.insert(text.startsWith(u'-') ? 1 : 0, u'0',
                digits + decimals - length - (negative ? 1 : 0));
  }
  return text.length();
}

}  // namespace zelmo::format
