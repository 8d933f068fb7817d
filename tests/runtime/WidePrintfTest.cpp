// The core service's wide printf. The date layouts and the zero-padded floats it gives the
// displays are checked through the formatters; here, the other conversions and hostile requests.
#include <gtest/gtest.h>

#include "platform/CoreServices.h"

namespace {

std::u16string printed(const char16_t* format, auto... args) {
  UniChar buffer[600];
  const int32_t n = osUTusprintf(buffer, format, args...);
  EXPECT_EQ(n, osUTustrlen(buffer));
  return std::u16string(buffer, buffer + n);
}

TEST(WidePrintfTest, IntegerAndFloatConversions) {
  EXPECT_EQ(printed(u"%d|%u|%o", -12, 4294967295u, 8u), u"-12|4294967295|10");
  EXPECT_EQ(printed(u"%x %X %5d|%-5d|", 255, 255, 42, 42), u"ff FF    42|42   |");
  EXPECT_EQ(printed(u"100%% %c", int{u'\u00e9'}), u"100% \u00e9");
  EXPECT_EQ(printed(u"%0*.*f", 0, 0, 2.5), u"2");
  EXPECT_EQ(printed(u"%0*.*f", -6, 1, 1.5), u"1.5   ");  // a negative width adjusts left
}

TEST(WidePrintfTest, WideStringsAndOversizedRequests) {
  EXPECT_EQ(printed(u"[%s|%.2s|%4s]", u"ab\u4e2d", u"xyz", u"q"), u"[ab\u4e2d|xy|   q]");
  // Widths beyond what one conversion may produce are bounded, not honoured.
  EXPECT_EQ(printed(u"%0*.*f", 100000, 0, 1.0).size(), 511u);
  EXPECT_EQ(printed(u"%z%d", 5), u"%z5");  // unknown conversions go out as written
}

}  // namespace
