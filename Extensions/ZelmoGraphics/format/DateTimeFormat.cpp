#include "format/DateTimeFormat.h"

#include "format/TextBuilder.h"

namespace zelmo::format {
namespace {

constexpr int32_t kSecondsPerDay = 86400;
// Days of the year before the first of each month.
constexpr int32_t kLeapYearMonthStart[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
constexpr int32_t kCommonYearMonthStart[12] = {0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};

// Days from 1970-01-01 to the first of year 1970 + y; (y + 1) / 4 counts the leap days of
// 1972, 1976, ... before it.
int32_t yearStart(int32_t y) { return 365 * y + (y + 1) / 4; }

bool isLeapYear(int32_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

}  // namespace

CivilDate civilDateOfSeconds(int32_t localSeconds) {
  const int32_t days = localSeconds / kSecondsPerDay;  // |days| < 24856, so no product overflows
  int32_t y = days / 365;
  while (days < yearStart(y)) --y;
  const int32_t dayOfYear = days - yearStart(y);
  const int32_t year = 1970 + y;
  const int32_t* monthStart = isLeapYear(year) ? kLeapYearMonthStart : kCommonYearMonthStart;
  int32_t m = 11;
  while (m > 0 && monthStart[m] > dayOfYear) --m;
  return {year, m + 1, dayOfYear - monthStart[m] + 1};
}

namespace {

// Appends v as printf's "%0*d" would: at least `width` characters including a minus sign,
// zero-padded after the sign. Written here rather than through the wide printf, which costs
// more than the whole calendar.
void appendNumber(TextBuilder& text, int32_t v, int32_t width) {
  uint32_t magnitude = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
  UniChar digits[10];
  int32_t n = 0;
  do {
    digits[n++] = static_cast<UniChar>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (v < 0) {
    text.push(u'-');
    --width;
  }
  for (int32_t i = n; i < width; ++i) text.push(u'0');
  while (n > 0) text.push(digits[--n]);
}

// Three fields with a separator between them (0 for none); a width of 0 leaves a field out.
struct Layout {
  int32_t a, aWidth, b, bWidth, c, cWidth;
  UniChar separator;
};

void appendLayout(TextBuilder& text, const Layout& l) {
  appendNumber(text, l.a, l.aWidth);
  if (l.separator != 0) text.push(l.separator);
  appendNumber(text, l.b, l.bWidth);
  if (l.cWidth == 0) return;
  if (l.separator != 0) text.push(l.separator);
  appendNumber(text, l.c, l.cWidth);
}

}  // namespace

int32_t formatDateTime(int32_t formatCode, int32_t localSeconds, DateBuffer out) {
  // Every field is bounded (years 1901 to 2038, two-digit months, days and clock fields), so
  // each layout has at most 11 characters and fits `out`; the builder bounds it all the same.
  TextBuilder text(out);
  if (formatCode == kTimeOfDay) {
    const int32_t r = localSeconds % kSecondsPerDay;
    appendLayout(text, {r / 3600, 2, (r % 3600) / 60, 2, r % 60, 2, u':'});
  } else if (formatCode >= 1 && formatCode <= 12) {
    const CivilDate d = civilDateOfSeconds(localSeconds);
    const int32_t yy = d.year % 100;
    switch (formatCode) {
      case 1:
        appendLayout(text, {d.year, 1, d.month, 2, d.day, 2, u'/'});
        break;
      case 2:
        appendLayout(text, {d.year, 1, d.day, 2, d.month, 2, u'/'});
        break;
      case 3:
        appendLayout(text, {d.month, 2, d.day, 2, d.year, 1, u'/'});
        break;
      case 4:
        appendLayout(text, {d.day, 2, d.month, 2, d.year, 1, u'/'});
        break;
      case 5:
        appendLayout(text, {yy, 2, d.month, 2, d.day, 2, u'/'});
        break;
      case 6:
        appendLayout(text, {yy, 2, d.day, 2, d.month, 2, u'/'});
        break;
      case 7:
        appendLayout(text, {d.month, 2, d.day, 2, yy, 2, u'/'});
        break;
      case 8:
        appendLayout(text, {d.day, 2, d.month, 2, yy, 2, u'/'});
        break;
      case 9:
        appendLayout(text, {d.year, 1, d.month, 2, d.day, 2, 0});
        break;
      case 10:
        appendLayout(text, {d.month, 2, d.day, 2, 0, 0, u'/'});
        break;
      case 11:
        appendLayout(text, {yy, 2, d.month, 2, d.day, 2, 0});
        break;
      default:
        appendLayout(text, {d.day, 2, d.month, 2, 0, 0, u'/'});
        break;
    }
  } else {
    text.push(u' ');
  }
  return text.length();
}

}  // namespace zelmo::format
