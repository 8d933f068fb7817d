// The float display: fixed and significant modes, the overflow mark, grouping and suffixes,
// NaN and infinities, and counts that must stay inside the 80-character buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "format/FloatFormat.h"
#include "format/FormatTestSupport.h"

namespace zelmo::test {
namespace {

using format::FloatOptions;

FloatOptions fo(int32_t digits, int32_t decimals, bool zeros = false, bool significant = false,
                bool grouping = false, const UniChar* suffix = nullptr) {
  FloatOptions o;
  o.digits = digits, o.decimals = decimals, o.leadingZeros = zeros;
  o.significant = significant, o.grouping = grouping, o.suffix = suffix;
  return o;
}

std::string formatted(double value, const FloatOptions& o, format::Separators s) {
  std::array<UniChar, 80> out;
  const int32_t n = format::formatFloat(value, o, s, out);
  return ascii(out.data(), n);
}

TEST(FloatFormatTest, FormatsUnderBothSeparatorConventions) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    FloatOptions options;
    const char* expected;  // with a comma as decimal and a point as group separator
  } cases[] = {
      {1.5f, fo(3, 2), "1,50"},
      {1234.5f, fo(4, 1), "1234,5"},
      {-1234.5f, fo(3, 1), "-***,*"},
      {1234567.0f, fo(7, 0, false, false, true), "1.234.567"},
      {1234.5f, fo(4, 1, false, false, true), "1.234,5"},
      {123456.5f, fo(5, 1, false, false, true), "**.***,*"},  // the mark is grouped as well
      {-123456.5f, fo(5, 1, false, false, true), "-**.***,*"},
      {1234.5f, fo(3, 1, false, false, true, u" bar"), "***,* bar"},
      {1234.5f, fo(4, 1, false, false, true, u" bar"), "1.234,5 bar"},
      {9.99f, fo(2, 1), "10,0"},  // the carry adds a digit that still fits
      {9.99f, fo(1, 1), "*,*"},   // ... or does not
      {0.0f, fo(1, 0), "0"},
      {3.14159f, fo(4, 0, false, true), "3,142"},
      {123.456f, fo(4, 0, false, true), "123,5"},
      {0.5f, fo(4, 0, false, true), "0,500"},
      {12345.6f, fo(4, 0, false, true), "****"},
      {3.14159f, fo(4, 0, true, true), "3,142"},  // zeros do not pad in significant mode
      {-3.14159f, fo(4, 0, false, true), "-3,142"},
      {1.5f, fo(3, -2), "2"},  // a negative decimal count is none
      {2.5f, fo(1, 0), "2"},   // an exact tie rounds to even, as printf does
      {0.125f, fo(1, 2), "0,12"},
      {-1.5f, fo(3, 1, true), "-001,5"},  // zeros pad after the sign
      {-0.0f, fo(2, 1), "-0,0"},
      // NaN and infinities go through the overflow test too.
      {inf, fo(3, 0), "inf"},
      {inf, fo(2, 0), "**"},
      {-inf, fo(3, 0), "-inf"},
      {-inf, fo(2, 0), "-**"},
      {nan, fo(3, 0), "nan"},
      {nan, fo(1, 0), "*"},
      {inf, fo(4, 0, false, true), "****"},  // an infinity has more digits than any single
      {nan, fo(4, 0, false, true), "nan"},
      {inf, fo(2, 0, false, false, true, u" m"), "** m"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatted(c.value, c.options, kCommaPoint), c.expected) << c.value;
    EXPECT_EQ(formatted(c.value, c.options, kPointComma), swapSeparators(c.expected)) << c.value;
  }
}

// Counts that ask for more than 79 characters are cut, never written past the buffer.
TEST(FloatBoundsTest, HostileCountsAndValuesStayInsideTheBuffer) {
  const std::u16string longSuffix(300, u'x');
  const double values[] = {0.0,
                           -0.0,
                           1.5,
                           -1234.5,
                           1e-30,
                           std::numeric_limits<float>::max(),
                           -std::numeric_limits<float>::max(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  const int32_t counts[] = {INT_MIN, -80, -1, 0, 1, 38, 39, 40, 78, 79, 80, 200, INT_MAX};
  for (double value : values) {
    for (int32_t digits : counts) {
      for (int32_t decimals : counts) {
        for (int flags = 0; flags < 16; ++flags) {
          GuardedBuffer<80> buffer;
          const UniChar* suffix =
              flags & 8 ? reinterpret_cast<const UniChar*>(longSuffix.c_str()) : nullptr;
          const int32_t n = format::formatFloat(
              value, fo(digits, decimals, flags & 1, flags & 2, flags & 4, suffix), kPointComma,
              buffer.span());
          ASSERT_TRUE(buffer.holds(n)) << value << " " << digits << " " << decimals;
        }
      }
    }
  }
}

TEST(FloatBoundsTest, HugeDecimalCountsShowTheLeadingDigits) {
  const std::string t = formatted(1.5, fo(1, 1000), kPointComma);
  EXPECT_EQ(t.size(), 79u);
  EXPECT_EQ(t.substr(0, 4), "1.50");
}

// The formatter takes a double, but the text of one beyond the largest single has more digits
// than its scratch buffer holds: such a value shows as the largest single does.
TEST(FloatBoundsTest, DoublesBeyondTheLargestSingleShowAsTheLargestSingle) {
  const double largest = std::numeric_limits<float>::max();
  for (const double sign : {1.0, -1.0}) {
    for (const FloatOptions& o : {fo(60, 2), fo(60, 79, true), fo(5, 2), fo(0, 0, false, true)}) {
      EXPECT_EQ(formatted(sign * 1e300, o, kPointComma), formatted(sign * largest, o, kPointComma));
      EXPECT_EQ(formatted(sign * std::numeric_limits<double>::max(), o, kPointComma),
                formatted(sign * largest, o, kPointComma));
    }
  }
  EXPECT_EQ(formatted(1e300, fo(60, 2), kPointComma), "340282346638528859811704183484516925440.00");
}

}  // namespace
}  // namespace zelmo::test
