#include "format/DateTimeFormat.h"

#include "format/TextBuilder.h"
#include "platform/CoreServices.h"

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

int32_t formatDateTime(int32_t formatCode, int32_t localSeconds, DateBuffer out) {
  // Every field is bounded (years 1901 to 2038, two-digit months, days and clock fields), so
  // each layout has at most 11 characters; the scratch buffer leaves ample margin and the copy
  // into `out` is bounded all the same.
  UniChar scratch[64] = {};
  if (formatCode == kTimeOfDay) {
    const int32_t r = localSeconds % kSecondsPerDay;
    osUTusprintf(scratch, u"%02d:%02d:%02d", r / 3600, (r % 3600) / 60, r % 60);
  } else if (formatCode >= 1 && formatCode <= 12) {
    const CivilDate d = civilDateOfSeconds(localSeconds);
    const int32_t yy = d.year % 100;
    switch (formatCode) {
      case 1:
        osUTusprintf(scratch, u"%d/%02d/%02d", d.year, d.month, d.day);
        break;
      case 2:
        osUTusprintf(scratch, u"%d/%02d/%02d", d.year, d.day, d.month);
        break;
      case 3:
        osUTusprintf(scratch, u"%02d/%02d/%d", d.month, d.day, d.year);
        break;
      case 4:
        osUTusprintf(scratch, u"%02d/%02d/%d", d.day, d.month, d.year);
        break;
      case 5:
        osUTusprintf(scratch, u"%02d/%02d/%02d", yy, d.month, d.day);
        break;
      case 6:
        osUTusprintf(scratch, u"%02d/%02d/%02d", yy, d.day, d.month);
        break;
      case 7:
        osUTusprintf(scratch, u"%02d/%02d/%02d", d.month, d.day, yy);
        break;
      case 8:
        osUTusprintf(scratch, u"%02d/%02d/%02d", d.day, d.month, yy);
        break;
      case 9:
        osUTusprintf(scratch, u"%d%02d%02d", d.year, d.month, d.day);
        break;
      case 10:
        osUTusprintf(scratch, u"%02d/%02d", d.month, d.day);
        break;
      case 11:
        osUTusprintf(scratch, u"%02d%02d%02d", yy, d.month, d.day);
        break;
      default:
        osUTusprintf(scratch, u"%02d/%02d", d.day, d.month);
        break;
    }
  } else {
    scratch[0] = u' ';
  }
  scratch[63] = 0;
  TextBuilder text(out);
  text.appendTerminated(scratch);
  return text.length();
}

}  // namespace zelmo::format
