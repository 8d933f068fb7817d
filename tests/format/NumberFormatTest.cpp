// The integer displays: plain, truncating, fixed-point and legacy fixed-point texts, grouping,
// and hostile counts that must stay inside the 80-character buffer.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "format/FormatTestSupport.h"
#include "format/NumberFormat.h"

namespace zelmo::test {
namespace {

using format::FixedPointOptions;

// The text a formatter writes into an 80-character buffer.
template <typename Format>
std::string text(Format format) {
  std::array<UniChar, 80> out;
  return ascii(out.data(), format(std::span<UniChar, 80>(out)));
}
std::string plain(int32_t value, int32_t base) {
  return text([&](auto out) { return format::formatPlain(value, base, out); });
}
std::string truncated(int32_t value, int32_t base, int32_t digits, bool zeros) {
  return text([&](auto out) { return format::formatTruncated(value, base, digits, zeros, out); });
}
std::string fixedPoint(int32_t value, FixedPointOptions o, format::Separators s) {
  return text([&](auto out) { return format::formatFixedPoint(value, o, s, out); });
}
std::string legacy(int32_t value, int32_t base, int32_t digits, int32_t decimals, bool zeros,
                   UniChar separator) {
  return text([&](auto out) {
    return format::formatLegacyFixedPoint(value, base, digits, decimals, zeros, separator, out);
  });
}

TEST(PlainNumberTest, DigitsInTheBaseWithUpperCaseHex) {
  const struct {
    int32_t value, base;
    const char* expected;
  } cases[] = {
      {-5, 10, "-5"}, {INT_MIN, 10, "-2147483648"}, {5, 2, "101"}, {8, 8, "10"}, {12, 0, "12"},
      {12, 1, "12"},  // bases without digits show base 10
      {12, 37, "12"}, {-1, 16, "FFFFFFFF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(plain(c.value, c.base), c.expected) << c.value << "/" << c.base;
}

TEST(TruncatingNumberTest, CutsFromTheLeftAndPadsAfterTheSign) {
  const struct {
    int32_t value, base, digits;
    bool zeros;
    const char* expected;
  } cases[] = {
      {12345, 10, 3, false, "345"},
      {7, 10, 3, true, "007"},
      {7, 10, 3, false, "7"},
      {-1234, 10, 3, false, "234"},  // the sign is cut with the leading digits
      {255, 16, 4, true, "00FF"},
      {12345, 10, 0, false, ""},
      {12345, 10, -3, true, ""},  // a negative count shows nothing
  };
  for (const auto& c : cases)
    EXPECT_EQ(truncated(c.value, c.base, c.digits, c.zeros), c.expected) << c.value;
}

struct FixedCase {
  int32_t value;
  FixedPointOptions options;
  const char* expected;  // with a point as decimal and a comma as group separator
};

FixedPointOptions fp(int32_t base, int32_t digits, int32_t decimals, bool zeros = false,
                     bool grouping = false, bool isUnsigned = false,
                     const UniChar* suffix = nullptr) {
  FixedPointOptions o;
  o.base = base, o.digits = digits, o.decimals = decimals, o.leadingZeros = zeros;
  o.grouping = grouping, o.isUnsigned = isUnsigned, o.suffix = suffix;
  return o;
}

TEST(FixedPointNumberTest, FormatsUnderBothSeparatorConventions) {
  const FixedCase cases[] = {
      {5, fp(10, 3, 2), "0.05"},
      {-1234, fp(10, 2, 2), "-12.34"},
      {-5, fp(10, 3, 2, true), "-000.05"},
      {-12345, fp(10, 2, 2), "-**.**"},
      {123456, fp(10, 3, 0), "***"},
      {123456, fp(10, 3, 0, false, false, false, u" kg"), "*** kg"},
      {1234567, fp(10, 7, 0, false, true), "1,234,567"},
      {1223476, fp(16, 6, 0, false, true), "12 AB34"},
      {5, fp(2, 3, 0, false, true), "101"},
      {342391, fp(8, 8, 0, false, true), "1 234 567"},
      {-1, fp(10, 10, 0, false, false, true), "4294967295"},
      {-1, fp(10, 9, 0, false, false, true), "*********"},
      {-1, fp(8, 11, 0, false, false, true), "37777777777"},
      {255, fp(16, 4, 3, true), "00FF"},  // decimals apply in base 10 only
      {0x12345, fp(16, 2, 0), "**"},
      {-1, fp(16, 2, 0), "-**"},  // only the overflow mark shows the sign outside base 10
      {-1, fp(16, 8, 0), "FFFFFFFF"},
      {5, fp(10, 3, -2), "5"},  // a negative decimal count is none
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fixedPoint(c.value, c.options, kPointComma), c.expected) << c.value;
    EXPECT_EQ(fixedPoint(c.value, c.options, kCommaPoint), swapSeparators(c.expected)) << c.value;
  }
}

// (Whole numbers in bases 10 and 16 are grouped in the fixed-point rows above.)
TEST(GroupingTest, GroupsTheIntegerPartOnly) {
  const struct {
    const char16_t* text;
    UniChar separator;
    int32_t size;
    const char* expected;
  } cases[] = {
      {u"1234.56", u',', 3, "1,234.56"}, {u"-123", u',', 3, "-123"},
      {u"-123456", u',', 3, "-123,456"}, {u"123", u',', 3, "123"},
      {u"1234", u',', 3, "1,234"},       {u"", u',', 3, ""},
      {u"***.*", u',', 3, "***.*"},      {u"-****.*", u',', 3, "-*,***.*"},
  };
  for (const auto& c : cases) {
    std::array<UniChar, 80> out;
    format::TextBuilder text(out);
    text.appendTerminated(reinterpret_cast<const UniChar*>(c.text));
    format::groupDigits(text, c.separator, c.size, u'.');
    EXPECT_EQ(ascii(text.chars(), text.length()), c.expected);
  }
}

TEST(LegacyNumberTest, SignTakesADigitPositionAndMarksAreWholeWidth) {
  const struct {
    int32_t value, base, digits, decimals;
    bool zeros;
    const char* expected;
  } cases[] = {
      {7, 10, 3, 0, true, "007"},
      {0, 10, 3, 0, true, "000"},
      {123456, 10, 3, 0, false, "***"},
      {-5, 10, 3, 0, true, "-05"},
      {1234, 10, 2, 2, false, "12.34"},
      {5, 10, 3, 2, false, "0.05"},
      {-5, 10, 3, 2, false, "-0.05"},
      {12345, 10, 2, 2, false, "**.**"},
      {5, 10, 1, 12, false, "0.0000000005"},  // twelve decimals are shown as ten
      {255, 16, 2, 0, false, "FF"},
      {4096, 16, 2, 0, false, "**"},
      {1234, 10, 3, -1, false, "***"},  // a negative decimal count is none, never a silent cut
  };
  for (const auto& c : cases) {
    EXPECT_EQ(legacy(c.value, c.base, c.digits, c.decimals, c.zeros, u'.'), c.expected)
        << c.value << " " << c.digits << "." << c.decimals;
    EXPECT_EQ(legacy(c.value, c.base, c.digits, c.decimals, c.zeros, u','),
              swapSeparators(c.expected));
  }
}

// Every text of up to 79 characters gets all its zeros; only longer ones are cut (to 79).
TEST(NumberBoundsTest, ZeroPaddingReachesTheLastPositionOfTheBuffer) {
  const auto z = [](int n) { return std::string(n, '0'); };
  const struct {
    int32_t value, base, digits, decimals;
    std::string fixed, legacy;
  } cases[] = {
      {16777215, 10, 76, 0, z(68) + "16777215", z(68) + "16777215"},
      {16777215, 10, 78, 0, z(70) + "16777215", z(70) + "16777215"},
      {16777215, 10, 79, 0, z(71) + "16777215", z(71) + "16777215"},
      {16777215, 10, 80, 0, z(71) + "16777215", z(71) + "16777215"},
      {2, 2, 78, 0, z(76) + "10", z(76) + "10"},
      {2, 2, 79, 0, z(77) + "10", z(77) + "10"},
      {2, 2, 80, 0, z(77) + "10", z(77) + "10"},
      {-2, 10, 77, 0, "-" + z(76) + "2", "-" + z(75) + "2"},
      {-2, 10, 78, 0, "-" + z(77) + "2", "-" + z(76) + "2"},
      {-2, 10, 79, 0, "-" + z(77) + "2", "-" + z(77) + "2"},
      {-2, 10, 80, 0, "-" + z(77) + "2", "-" + z(77) + "2"},
      {1000, 10, 71, 6, z(71) + ".001000", z(70) + "0.001000"},
      {1000, 10, 72, 6, z(72) + ".001000", z(71) + "0.001000"},
      {-1000, 10, 71, 6, "-" + z(71) + ".001000", "-" + z(69) + "0.001000"},
  };
  for (const auto& c : cases) {
    const std::string where = std::to_string(c.value) + " base " + std::to_string(c.base) +
                              " digits " + std::to_string(c.digits) + "." +
                              std::to_string(c.decimals);
    EXPECT_EQ(fixedPoint(c.value, fp(c.base, c.digits, c.decimals, true), kPointComma), c.fixed)
        << where;
    EXPECT_EQ(legacy(c.value, c.base, c.digits, c.decimals, true, u'.'), c.legacy) << where;
  }
}

// Counts that ask for more than 79 characters: the text is cut, never written past the buffer,
// and zero padding never pushes the value's own digits out.
TEST(NumberBoundsTest, HostileCountsStayInsideTheBuffer) {
  std::u16string longSuffix(300, u'x');
  const int32_t counts[] = {INT_MIN, -80, -1, 0, 1, 78, 79, 80, 81, 200, INT_MAX};
  const int32_t values[] = {INT_MIN, -1234, -1, 0, 7, 123456, INT_MAX};
  const int32_t bases[] = {2, 8, 10, 16, 0};
  for (int32_t digits : counts) {
    for (int32_t decimals : counts) {
      for (int32_t value : values) {
        for (int32_t base : bases) {
          for (int flags = 0; flags < 16; ++flags) {
            GuardedBuffer<80> buffer;
            const bool zeros = flags & 1;
            const UniChar* suffix =
                flags & 8 ? reinterpret_cast<const UniChar*>(longSuffix.c_str()) : nullptr;
            const int32_t n = format::formatFixedPoint(
                value, fp(base, digits, decimals, zeros, flags & 2, flags & 4, suffix), kPointComma,
                buffer.span());
            ASSERT_TRUE(buffer.holds(n)) << value << " " << digits << " " << decimals;
            if (flags >= 2) continue;
            const int32_t m = format::formatLegacyFixedPoint(value, base, digits, decimals, zeros,
                                                             u'.', buffer.span());
            ASSERT_TRUE(buffer.holds(m)) << value << " " << digits << " " << decimals;
          }
        }
      }
      GuardedBuffer<80> buffer;
      const int32_t n = format::formatTruncated(-5, 10, digits, true, buffer.span());
      ASSERT_TRUE(buffer.guardsIntact());
      ASSERT_LE(n, 79);
    }
  }
}

TEST(NumberBoundsTest, PaddingToAHugeWidthKeepsTheDigits) {
  const std::string t = truncated(-5, 10, 1000, true);
  EXPECT_EQ(t.size(), 79u);
  EXPECT_EQ(t.front(), '-');
  EXPECT_EQ(t.back(), '5');

  const std::string f = fixedPoint(-1234, fp(10, 1000, 2, true), kPointComma);
  EXPECT_LE(f.size(), 79u);
  EXPECT_EQ(f.front(), '-');
  EXPECT_EQ(f.substr(f.size() - 6), "012.34");

  const std::string d = fixedPoint(5, fp(10, 1, 1000), kPointComma);
  EXPECT_LE(d.size(), 79u);
  EXPECT_EQ(d.substr(0, 4), "0.00");
  EXPECT_EQ(d.back(), '5');
}

TEST(NumberBoundsTest, LongSuffixIsCutAfterTheNumber) {
  const std::u16string suffix(100, u'V');
  const std::string t = fixedPoint(
      42, fp(10, 3, 0, false, false, false, reinterpret_cast<const UniChar*>(suffix.c_str())),
      kPointComma);
  EXPECT_EQ(t, "42" + std::string(77, 'V'));
}

}  // namespace
}  // namespace zelmo::test
