// The drawNumber, nativeDrawFloat, drawDateTime and onTimeChange natives, driven through the
// VM: the text each draws, and where, in which font and colours, with which options.
#include "core/TimeZone.h"
#include "format/FormatTestSupport.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr int32_t kTextColor = 0xFF0000;
constexpr int32_t kThirdColor = 0x00FF00;
// What the recorder shows for them, and for the canvas pen of newCanvas().
constexpr const char* kArgColours = "{16711680,2147483648,65280}";
constexpr const char* kPenColours = "{1122867,2147483648,7833753}";

class CanvasNumberTest : public ModuleTest {
 protected:
  CanvasNumberTest() {
    vm.setInt(canvas, "fontHandle", 77);
    vm.setInt(font, "fontHandle", 55);
    useSeparators(kPointComma);
    core::setTimeZoneOffset(0);
  }

  void useSeparators(format::Separators s) {
    vm.setStaticChar(kCanvas, "decimalSeparator", s.decimal);
    vm.setStaticChar(kCanvas, "groupSeparator", s.group);
  }

  // The one simple-text call a native made, or "" when it drew nothing or more than once.
  std::string drawnText(const char* signature, std::initializer_list<vm::Arg> args) {
    recorder.clear();
    canvasCall(canvas, signature, args);
    const auto lines = drawn();
    return lines.size() == 1 ? lines[0] : "";
  }

  jref canvas = newCanvas(3);
  jref font = vm.newObject("uxclasses/graphics/CuxFont");
  jref suffix = vm.newString(u" V");
};

std::string simpleText(int32_t target, uint32_t font, const std::string& text,
                       const std::string& colours, int32_t option1, int32_t option2) {
  return "osGXsimpleText(" + std::to_string(target) + ",{10,20,109,49}," + std::to_string(font) +
         ",\"" + text + "\"," + colours + "," + std::to_string(option1) + "," +
         std::to_string(option2) + "," + std::to_string(text.size()) + ")";
}

#define BOX I(10), I(20), I(100), I(30)
#define COLOURS I(kTextColor), I(kThirdColor)

// Every overload once, under both separator conventions: target, font, colours and options
// come from the places each overload takes them from.
TEST_F(CanvasNumberTest, EachOverloadDrawsItsTextWithItsTargetFontAndColours) {
  const struct {
    const char* signature;
    std::vector<vm::Arg> args;
    std::string expected;  // with a point as decimal and a comma as group separator
  } cases[] = {
      {"drawNumber(IIIIII)V", {I(255), I(16), BOX}, simpleText(3, 77, "FF", kPenColours, 1, 1)},
      {"drawNumber(IIIIZIIII)V",
       {I(-5), I(10), I(3), I(4), Z(true), BOX},
       simpleText(3, 77, "-05", kPenColours, 4, 1)},
      {"drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V",
       {I(-5), I(10), BOX, I(kTextColor), R(font)},
       simpleText(3, 55, "-5", "{16711680,2147483648,0}", 1, 1)},
      {"drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V",
       {I(5), I(10), I(3), I(2), I(6), I(7), Z(true), COLOURS, BOX, R(font)},
       simpleText(3, 55, "000.05", kArgColours, 6, 7)},
      {"drawNumber(IIIIIZIIIIIII)V",
       {I(-1234), I(10), I(3), I(6), I(7), Z(false), I(0), COLOURS, BOX},
       simpleText(3, 77, "****", kArgColours, 6, 7)},
      {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V",
       {I(1234567), I(10), I(5), I(2), I(6), I(7), Z(false), Z(true), Z(false), COLOURS, BOX,
        R(font)},
       simpleText(0, 55, "12,345.67", kArgColours, 6, 7)},
      {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
       {I(-1234), I(10), I(4), I(0), I(6), I(7), Z(false), Z(true), Z(false), COLOURS, BOX, R(font),
        R(suffix)},
       simpleText(0, 55, "-1,234 V", kArgColours, 6, 7)},
      {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V",
       {F(-1.5f), I(3), I(2), I(6), I(7), Z(false), Z(false), Z(true), COLOURS, BOX, R(font)},
       simpleText(0, 55, "-001.50", kArgColours, 6, 7)},
      {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
       {F(12345.5f), I(4), I(1), I(6), I(7), Z(false), Z(true), Z(false), COLOURS, BOX, R(font),
        R(suffix)},
       simpleText(0, 55, "*,***.* V", kArgColours, 6, 7)},
      {"nativeDrawFloat(FIIIZIIIIIII)V",
       {F(1.5f), I(3), I(6), I(7), Z(true), I(2), COLOURS, BOX},
       simpleText(0, 77, "001.50", kArgColours, 6, 7)},
      {"nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V",
       {F(1234.5f), I(3), I(6), I(7), Z(false), I(1), COLOURS, BOX, R(font)},
       simpleText(0, 55, "***.*", kArgColours, 6, 7)},
      {"nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V",
       {F(2.5f), I(3), I(6), I(7), Z(true), Z(false), COLOURS, BOX, R(font)},
       simpleText(0, 55, "2.50", kArgColours, 6, 7)},
      {"drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
       {I(4), I(951782400), BOX, I(kTextColor), R(font)},
       simpleText(3, 55, "29/02/2000", "{16711680,2147483648,0}", 1, 1)},
  };
  for (const auto& c : cases) {
    for (const auto separators : {kPointComma, kCommaPoint}) {
      useSeparators(separators);
      ASSERT_EQ(canvasDraw(c.signature, c.args, canvas).size(), 1u) << c.signature;
      // Separators only ever appear inside the quoted text, never in the rest of the line.
      const auto open = c.expected.find('"');
      const auto close = c.expected.rfind('"');
      std::string want = c.expected;
      if (separators.decimal != u'.')
        want.replace(open, close - open, swapSeparators(c.expected.substr(open, close - open)));
      EXPECT_EQ(drawn()[0], want) << c.signature;
    }
  }
}

TEST_F(CanvasNumberTest, SeparatorsAreReadAtEveryDrawing) {
  const auto draw = [&] {
    return drawnText(
        "nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V",
        {F(1234.5f), I(4), I(1), I(1), I(1), Z(false), Z(true), Z(false), COLOURS, BOX, R(font)});
  };
  EXPECT_NE(draw().find("\"1,234.5\""), std::string::npos);
  vm.setStaticChar(kCanvas, "groupSeparator", u'\'');
  EXPECT_NE(draw().find("\"1'234.5\""), std::string::npos);
  vm.setStaticChar(kCanvas, "decimalSeparator", u'/');
  EXPECT_NE(draw().find("\"1'234/5\""), std::string::npos);
}

TEST_F(CanvasNumberTest, NullFontDrawsNothingAndNullSuffixIsEmpty) {
  EXPECT_EQ(drawnText("drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V",
                      {I(5), I(10), BOX, I(kTextColor), R(0)}),
            "");
  EXPECT_EQ(drawnText("drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V",
                      {I(5), I(10), I(3), I(2), I(6), I(7), Z(true), COLOURS, BOX, R(0)}),
            "");
  EXPECT_EQ(drawnText("nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V",
                      {F(2.5f), I(3), I(6), I(7), Z(true), Z(false), COLOURS, BOX, R(0)}),
            "");
  EXPECT_EQ(drawnText("drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
                      {I(1), I(0), BOX, I(kTextColor), R(0)}),
            "");
  EXPECT_EQ(drawnText("drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
                      {I(42), I(10), I(3), I(0), I(1), I(1), Z(false), Z(false), Z(false), COLOURS,
                       BOX, R(font), R(0)}),
            simpleText(0, 55, "42", kArgColours, 1, 1));
  EXPECT_EQ(
      drawnText("nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
                {F(4.25f), I(3), I(2), I(1), I(1), Z(false), Z(false), Z(false), COLOURS, BOX,
                 R(font), R(0)}),
      simpleText(0, 55, "4.25", kArgColours, 1, 1));
}

TEST_F(CanvasNumberTest, HostileCountsAndLongSuffixesAreCutTo79Characters) {
  const jref longSuffix = vm.newString(std::u16string(500, u'x'));
  const std::string number =
      drawnText("drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
                {I(INT32_MIN), I(10), I(INT32_MAX), I(INT32_MAX), I(1), I(1), Z(false), Z(true),
                 Z(true), COLOURS, BOX, R(font), R(longSuffix)});
  EXPECT_NE(number.find(",79)"), std::string::npos) << number;
  const std::string floating =
      drawnText("nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
                {F(-3.0e38f), I(INT32_MAX), I(INT32_MAX), I(1), I(1), Z(false), Z(true), Z(true),
                 COLOURS, BOX, R(font), R(longSuffix)});
  EXPECT_NE(floating.find(",79)"), std::string::npos) << floating;
}

TEST_F(CanvasNumberTest, ClockUsesTheTimeZoneFetchedOnceUntilTheTimeChanges) {
  const auto clock = [&] {
    return drawnText("drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
                     {I(20), I(1709823909), BOX, I(kTextColor), R(font)});
  };
  const auto shows = [](const std::string& line, const char* text) {
    return line.find(std::string("\"") + text + "\"") != std::string::npos;
  };
  core::setTimeZoneOffset(60);  // one hour ahead of GMT
  EXPECT_TRUE(shows(clock(), "16:05:09"));
  core::setTimeZoneOffset(0);
  EXPECT_TRUE(shows(clock(), "16:05:09"));  // the first answer is kept
  canvasCall(canvas, "onTimeChange()V");
  EXPECT_TRUE(shows(clock(), "15:05:09"));
  core::setTimeZoneOffset(-300);
  canvasCall(canvas, "onTimeChange()V");
  EXPECT_TRUE(shows(clock(), "10:05:09"));
}

// Which codes are unknown is checked on the formatter; here, that the blank is drawn.
TEST_F(CanvasNumberTest, UnknownDateCodeDrawsOneBlank) {
  EXPECT_EQ(drawnText("drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
                      {I(13), I(0), BOX, I(kTextColor), R(font)}),
            simpleText(3, 55, " ", "{16711680,2147483648,0}", 1, 1));
}

#undef BOX
#undef COLOURS

}  // namespace
}  // namespace zelmo::test
