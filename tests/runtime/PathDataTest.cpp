// The path-data parser of the drawing service: the segments each command makes, the number
// syntax, what is an error, and SVG's out-of-range arc rules.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "gx/PathData.h"

namespace gx::path {
namespace {

std::u16string utf16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

Parsed parseText(const std::u16string& text) {
  return parse(text.data(), static_cast<int32_t>(text.size()));
}

// "M0,0 L10,0 C1,2 3,4 5,6 Z" with coordinates rounded to 1/1000.
std::string segmentsOf(const std::string& ascii) {
  const Parsed parsed = parseText(utf16(ascii));
  if (!parsed.ok) return "error at " + std::to_string(parsed.errorAt) + ": " + parsed.error;
  std::ostringstream out;
  const auto point = [&](const Point& p) {
    // + 0.0 turns -0 into 0.
    out << std::round(p.x * 1000) / 1000 + 0.0 << ',' << std::round(p.y * 1000) / 1000 + 0.0;
  };
  for (const Segment& s : parsed.segments) {
    if (out.tellp() > 0) out << ' ';
    switch (s.kind) {
      case Segment::kMove:
        out << 'M', point(s.p[0]);
        break;
      case Segment::kLine:
        out << 'L', point(s.p[0]);
        break;
      case Segment::kCubic:
        out << 'C', point(s.p[0]), out << ' ', point(s.p[1]), out << ' ', point(s.p[2]);
        break;
      case Segment::kClose:
        out << 'Z';
        break;
    }
  }
  return out.str();
}

TEST(PathDataTest, CommandsBecomeAbsoluteMovesLinesAndCubics) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {"M1 2", "M1,2"},
      {"M1 2 3 4 5 6", "M1,2 L3,4 L5,6"},  // pairs after a moveto are linetos
      {"m1 2 3 4", "M1,2 L4,6"},           // relative ones, from the last point
      {"M1 2L3 4 5 6", "M1,2 L3,4 L5,6"},
      {"M1 2l3 4 5 6", "M1,2 L4,6 L9,12"},
      {"M1 2H9h1V7v-1", "M1,2 L9,2 L10,2 L10,7 L10,6"},
      {"M0 0C1 2 3 4 5 6", "M0,0 C1,2 3,4 5,6"},
      {"M1 1c1 2 3 4 5 6", "M1,1 C2,3 4,5 6,7"},
      // S reflects the previous cubic's second control point, or starts at the current point.
      {"M0 0C1 2 3 4 5 6S7 8 9 10", "M0,0 C1,2 3,4 5,6 C7,8 7,8 9,10"},
      {"M0 0S7 8 9 10", "M0,0 C0,0 7,8 9,10"},
      // Quadratics become cubics with controls two thirds of the way to the control point.
      {"M0 0Q3 3 6 0", "M0,0 C2,2 4,2 6,0"},
      {"M0 0Q3 3 6 0T12 0", "M0,0 C2,2 4,2 6,0 C8,-2 10,-2 12,0"},
      {"M0 0T6 0", "M0,0 C0,0 2,0 6,0"},
      // Z goes back to the subpath's start, where the next command continues.
      {"M1 1L5 1Zl1 1", "M1,1 L5,1 Z L2,2"},
      {"M1 1L5 1zm2 2", "M1,1 L5,1 Z M3,3"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(segmentsOf(text), expected) << text;
}

TEST(PathDataTest, NumbersAreSignedWithFractionAndExponentAndNeedFewSeparators) {
  const std::pair<const char*, const char*> cases[] = {
      {"M-1.5-2.25", "M-1.5,-2.25"},
      {"M.5.5", "M0.5,0.5"},
      {"M2. 3.", "M2,3"},
      {"M1e2 -1E-1", "M100,-0.1"},
      {"M+1e+1,2", "M10,2"},
      {"M 1 , 2 L 3 ,4 , 5 6", "M1,2 L3,4 L5,6"},
      {"M00012.500 0.0000001e7", "M12.5,1"},
      {"M123456789012345678901234567890 1e-400", "M1.23457e+29,0"},
      {"M0 0a1 1 0 00 2 0", "M0,0 C0,0.552 0.448,1 1,1 C1.552,1 2,0.552 2,0"},  // flags
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(segmentsOf(text), expected) << text;
}

TEST(PathDataTest, ErrorsNameTheirPlaceAndYieldNoSegments) {
  const std::pair<const char*, const char*> cases[] = {
      {"L1 2", "error at 0: a path starts with M or m"},
      {"M1 2 L3", "error at 7: expected a number"},
      {"M1 2 3", "error at 6: expected a number"},
      {"M1 2 X3 4", "error at 5: not a command"},
      {"M1 2,", "error at 5: expected a number after the comma"},
      {"M1 2,L3 4", "error at 5: expected a number after the comma"},
      {"M,1 2", "error at 1: expected a number"},
      {"M1,,2", "error at 3: expected a number"},
      {"M1e 2", "error at 3: expected the digits of an exponent"},
      {"M- 2", "error at 2: expected a number"},
      {"M1 2Z3", "error at 5: not a command"},
      {"M0 0A1 1 0 2 0 5 5", "error at 11: expected a flag, 0 or 1"},
      {"M1e309 0", "error at 6: a number too large"},
      {"M1e308 0l1e308 0", "error at 16: a coordinate out of range"},
      {"M0 0L5 5 Z L", "error at 12: expected a number"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(segmentsOf(text), expected) << text;
    EXPECT_TRUE(parseText(utf16(text)).segments.empty()) << text;
  }
  // Anything outside ASCII, a NUL included, is an error wherever it stands.
  for (const std::u16string& text :
       {std::u16string(u"M1 2\u00A0L3 4"), std::u16string(u"M1 2L3\u00E94"),
        std::u16string(u"M1 2\0L3 4", 9), std::u16string(u"M1 2 \U0001F600")}) {
    const Parsed parsed = parseText(text);
    EXPECT_FALSE(parsed.ok);
    EXPECT_TRUE(parsed.segments.empty());
  }
  EXPECT_TRUE(parse(nullptr, 5).ok);
}

TEST(PathDataTest, ArcsFollowTheOutOfRangeRules) {
  const std::pair<const char*, const char*> cases[] = {
      // Ending where it starts: no segment at all.
      {"M5 5A10 10 0 1 1 5 5", "M5,5"},
      // A zero radius: a straight line.
      {"M0 0A0 10 0 0 1 10 0", "M0,0 L10,0"},
      // Radii too small are scaled up: a half circle of radius 5 either way round.
      {"M0 0A1 1 0 0 1 10 0", "M0,0 C0,-2.761 2.239,-5 5,-5 C7.761,-5 10,-2.761 10,0"},
      {"M0 0A1 1 0 0 0 10 0", "M0,0 C0,2.761 2.239,5 5,5 C7.761,5 10,2.761 10,0"},
      // Negative radii count without their sign; three quarters of a circle take three pieces.
      {"M0 0a-5 -5 0 1 0 5 5",
       "M0,0 C-2.761,0 -5,2.239 -5,5 C-5,7.761 -2.761,10 0,10 C2.761,10 5,7.761 5,5"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(segmentsOf(text), expected) << text;

  // Radii far below or far above the chord still finish at once, in at most four finite
  // pieces ending exactly at the end point.
  for (const char* text :
       {"M0 0A1e-300 1e-300 0 0 1 10 0", "M0 0A1e-300 1 30 1 0 10 7", "M0 0A1e300 1e300 0 1 1 10 0",
        "M0 0A1e300 1e-300 45 0 1 10 7", "M0 0A5 5 1e300 1 1 10 0"}) {
    const Parsed parsed = parseText(utf16(text));
    ASSERT_TRUE(parsed.ok) << text << ": " << parsed.error;
    EXPECT_LE(parsed.segments.size(), 5u) << text;
    for (const Segment& s : parsed.segments)
      for (const Point& p : s.p) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << text;
    const Segment& last = parsed.segments.back();
    EXPECT_EQ(last.kind == Segment::kCubic ? last.p[2].x : last.p[0].x, 10) << text;
  }
}

TEST(PathDataTest, LongTextsParseInOnePass) {
  std::string text = "M0 0";
  for (int i = 0; i < 200000; ++i) text += " l1 0";
  const Parsed parsed = parseText(utf16(text));
  ASSERT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.segments.size(), 200001u);
  EXPECT_EQ(parsed.segments.back().p[0].x, 200000);
  // A number of a million digits is one number.
  EXPECT_EQ(segmentsOf("M0." + std::string(1000000, '0') + "1 2"), "M0,2");
}

}  // namespace
}  // namespace gx::path
