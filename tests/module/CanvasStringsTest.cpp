// The canvas string natives through the VM stand-in: each overload's text records, the measured
// placement, the bordered and background variants, the translation and null references.
#include <string>
#include <vector>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

// Placeholders in the argument lists, replaced by the text ("Pump") and the CuxFont.
const vm::Arg kText = R(1), kFont = R(2);

struct Overload {
  const char* signature;
  std::vector<vm::Arg> args;
  std::vector<std::string> expected;
};

// Canvas pen: color 7, backColor 8, textThirdColor 9, textOption 5, fontHandle 42, layer 3; the
// CuxFont argument has the handle 77. The null service measures 8 pixels a character, 16 high.
const std::vector<Overload> kOverloads = {
    {"drawString(Ljava/lang/String;II)V",
     {kText, I(10), I(50)},
     {"osGXgetTextMetrics(42,\"Pump\",4,32,16,4)",
      "osGXtext(3,{10,34,42,50},{7,2147483648,0},{0,0,0,1,1,1,5,1},42,\"Pump\",4,false)"}},
    {"drawString(Ljava/lang/String;IIII)V",
     {kText, I(10), I(20), I(100), I(40)},
     {"osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
    {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V",
     {kText, I(10), I(20), I(100), I(40), I(291), kFont},
     {"osGXtext(3,{10,20,109,59},{291,2147483648,0},{2,0,0,1,1,1,1,1},77,\"Pump\",4,true)"}},
    {"drawString(Ljava/lang/String;IIIIZ)V",
     {kText, I(10), I(20), I(100), I(40), Z(false)},
     {"osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,false)"}},
    {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V",
     {kText, I(10), I(20), I(100), I(40), I(291), kFont, I(6)},
     {"osGXsimpleText(3,{10,20,109,59},77,\"Pump\",{291,2147483648,9},6,1,4)"}},
    {"drawString(Ljava/lang/String;IIIIZI)V",
     {kText, I(10), I(20), I(100), I(40), Z(true), I(12)},
     {"osGXscrollMarquee(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true,"
      "12)"}},
    {"drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V",  // options: low 8
                                                                               // bits
     {kText, I(10), I(20), I(100), I(40), I(291), I(0x101), I(2), I(0x1FF), I(4), kFont, Z(false)},
     {"osGXtext(3,{10,20,109,59},{291,2147483648,0},{0,1,2,1,1,1,255,4},77,\"Pump\",4,false)"}},
    {"drawStringWithBorder(IIILjava/lang/String;IIII)V",
     {I(11), I(12), I(2), kText, I(10), I(20), I(100), I(40)},
     {"osGXfillRectangle(10,20,109,59,2,12,1,8,0,0,0)",
      "osGXdrawRectangle(10,20,109,59,2,1,11,8,0,0,0)",
      "osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
    {"drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V",
     {I(11), I(291), I(13), I(14), I(2), I(3), kText, I(10), I(20), I(100), I(40), I(1), I(2), I(6),
      I(0x107), I(5), kFont},
     {"osGXtext(3,{10,20,109,59},{291,13,14},{5,1,2,1,1,1,6,7},77,\"Pump\",4,true)",
      "osGXdrawRectangle(10,20,109,59,2,3,11,13,0,0,0)"}},
    {"drawStringWithBackground(ILjava/lang/String;IIII)V",
     {I(15), kText, I(10), I(20), I(100), I(40)},
     {"osGXtext(3,{10,20,109,59},{7,15,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
};

class CanvasStringsTest : public ModuleTest {
 protected:
  CanvasStringsTest() {
    // Only the low byte of textOption is passed.
    setFields(canvas, "color backColor textThirdColor textOption fontHandle", {7, 8, 9, 0x305, 42});
    vm.setInt(font, "fontHandle", 77);
  }

  std::vector<std::string> run(const Overload& o, jref text, jref withFont) {
    std::vector<vm::Arg> args = o.args;
    for (auto& a : args)
      if (a.kind == vm::Kind::Ref) a.bits = a.bits == kText.bits ? text : withFont;
    return canvasDraw(o.signature, args, canvas);
  }

  jref canvas = newCanvas(3);
  jref font = vm.newObject("uxclasses/graphics/CuxFont");
  jref pump = vm.newStringUtf8("Pump");
};

TEST_F(CanvasStringsTest, EachOverloadPassesItsExactRecords) {
  for (const auto& o : kOverloads) EXPECT_EQ(run(o, pump, font), o.expected) << o.signature;
}

TEST_F(CanvasStringsTest, OnlyTheLongBorderedOverloadMovesWithTheTranslation) {
  canvasCall(canvas, "setTransform(II)V", {I(100), I(200)});
  for (const auto& o : kOverloads) {
    auto expected = o.expected;
    if (o.args.size() == 17)
      expected = {"osGXtext(3,{110,220,209,259},{291,13,14},{5,1,2,1,1,1,6,7},77,\"Pump\",4,true)",
                  "osGXdrawRectangle(110,220,209,259,2,3,11,13,0,0,0)"};
    EXPECT_EQ(run(o, pump, font), expected) << o.signature;
  }
}

TEST_F(CanvasStringsTest, NullTextOrNullFontArgumentDrawsNothing) {
  for (const auto& o : kOverloads) {
    EXPECT_TRUE(run(o, 0, font).empty()) << o.signature;
    if (std::string(o.signature).find("CuxFont") != std::string::npos) {
      EXPECT_TRUE(run(o, pump, 0).empty()) << o.signature;
    }
  }
}

TEST_F(CanvasStringsTest, EmptyTextIsMeasuredAndDrawnWithCountZero) {
  canvasCall(canvas, "drawString(Ljava/lang/String;II)V", {R(vm.newStringUtf8("")), I(7), I(7)});
  EXPECT_EQ(drawn(), (std::vector<std::string>{"osGXgetTextMetrics(42,\"\",0,0,16,4)",
                                               "osGXtext(3,{7,-9,7,7},{7,2147483648,0},"
                                               "{0,0,0,1,1,1,5,1},42,\"\",0,false)"}));
}

}  // namespace
}  // namespace zelmo::test
