// The date and clock display: the layout table, boundary times, the calendar checked against the
// C library for every day the 32-bit time value reaches, and times before 1970.
#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <string>

#include "format/DateTimeFormat.h"
#include "format/FormatTestSupport.h"

namespace zelmo::test {
namespace {

std::string dateText(int32_t code, int32_t seconds) {
  std::array<UniChar, 20> out;
  const int32_t n = format::formatDateTime(code, seconds, out);
  return ascii(out.data(), n);
}

TEST(DateTimeFormatTest, EveryLayoutOfTheSeventhOfMarch2024) {
  const int32_t t = 1709823909;  // 2024-03-07 15:05:09 GMT
  const struct {
    int32_t code;
    const char* expected;
  } cases[] = {
      {1, "2024/03/07"}, {2, "2024/07/03"}, {3, "03/07/2024"}, {4, "07/03/2024"}, {5, "24/03/07"},
      {6, "24/07/03"},   {7, "03/07/24"},   {8, "07/03/24"},   {9, "20240307"},   {10, "03/07"},
      {11, "240307"},    {12, "07/03"},     {20, "15:05:09"},  {0, " "},          {13, " "},
      {19, " "},         {21, " "},         {-1, " "},         {INT_MAX, " "},
  };
  for (const auto& c : cases) EXPECT_EQ(dateText(c.code, t), c.expected) << c.code;
}

TEST(DateTimeFormatTest, BoundaryTimesInOtherLayouts) {
  const struct {
    int32_t code, seconds;
    const char* expected;
  } cases[] = {
      {20, 0, "00:00:00"},        {4, 951782400 + 86400, "01/03/2000"},
      {1, INT_MAX, "2038/01/19"}, {20, INT_MAX, "03:14:07"},
      {20, 86399, "23:59:59"},    {5, 946684800, "00/01/01"},
      {11, 978307199, "001231"},
  };
  for (const auto& c : cases) EXPECT_EQ(dateText(c.code, c.seconds), c.expected) << c.seconds;
}

// The C library's calendar is an independent oracle for every day the time value reaches,
// each at a different time of day.
TEST(DateTimeFormatTest, AgreesWithTheCLibraryOnEveryDayUpTo2038) {
  const int32_t lastDay = INT_MAX / 86400;  // 2038-01-19
  for (int32_t day = 0; day <= lastDay; ++day) {
    const int64_t timeOfDay = (int64_t{day} * 7919 + 3541) % 86400;
    const int64_t seconds64 = int64_t{day} * 86400 + timeOfDay;
    if (seconds64 > INT_MAX) break;
    const int32_t seconds = static_cast<int32_t>(seconds64);
    const std::time_t t = seconds;
    std::tm gmt{};
    ASSERT_NE(gmtime_r(&t, &gmt), nullptr);

    const format::CivilDate d = format::civilDateOfSeconds(seconds);
    ASSERT_EQ(d.year, gmt.tm_year + 1900) << seconds;
    ASSERT_EQ(d.month, gmt.tm_mon + 1) << seconds;
    ASSERT_EQ(d.day, gmt.tm_mday) << seconds;

    char expected[32];
    std::strftime(expected, sizeof expected, "%Y/%m/%d", &gmt);
    ASSERT_EQ(dateText(1, seconds), expected);
    std::strftime(expected, sizeof expected, "%H:%M:%S", &gmt);
    ASSERT_EQ(dateText(20, seconds), expected);
  }
}

// Before 1970 the arithmetic is outside what the panel shows, but the month tables are only
// ever read inside their twelve entries and the texts fit their buffer.
TEST(DateTimeFormatTest, TimesBefore1970StayInBounds) {
  for (int64_t s = INT_MIN; s <= 0; s += 86400 * 5 + 3607) {
    const int32_t seconds = static_cast<int32_t>(s);
    const format::CivilDate d = format::civilDateOfSeconds(seconds);
    ASSERT_GE(d.month, 1) << seconds;
    ASSERT_LE(d.month, 12) << seconds;
    for (int32_t code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20}) {
      GuardedBuffer<20> buffer;
      const int32_t n = format::formatDateTime(code, seconds, buffer.span());
      ASSERT_TRUE(buffer.holds(n)) << seconds << " " << code;
    }
  }
  // The last day of 1969 still comes out right.
  EXPECT_EQ(dateText(1, -86400), "1969/12/31");
  // A clock before 1970 keeps printf's "%02d" of negative fields: the sign counts in the width.
  EXPECT_EQ(dateText(20, -1), "00:00:-1");
  EXPECT_EQ(dateText(20, -36610), "-10:-10:-10");
}

}  // namespace
}  // namespace zelmo::test
