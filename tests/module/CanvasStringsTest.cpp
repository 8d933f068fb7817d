// The canvas string natives, driven through the VM stand-in: each overload's text records, the
// measured placement, the bordered and background variants, translation and null references.
#include <string>
#include <vector>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kFont = "uxclasses/graphics/CuxFont";

// One call of a string overload with "Pump" as its text (or null when text is 0).
struct Overload {
  const char* signature;
  std::vector<vm::Arg> (*args)(jref text, jref font);
  std::vector<std::string> expected;
};

// Canvas pen: color 7, backColor 8, textThirdColor 9, textOption 5, fontHandle 42, layer 3.
// A CuxFont argument has the handle 77. Boxes are x 10, y 20, w 100, h 40.
const std::vector<Overload>& overloads() {
  static const std::vector<Overload> table = {
      {"drawString(Ljava/lang/String;II)V",
       [](jref s, jref) {
         return std::vector{R(s), I(10), I(50)};
       },
       {"osGXgetTextMetrics(42,\"Pump\",4,32,16,4)",
        "osGXtext(3,{10,34,42,50},{7,2147483648,0},{0,0,0,1,1,1,5,1},42,\"Pump\",4,false)"}},
      {"drawString(Ljava/lang/String;IIII)V",
       [](jref s, jref) {
         return std::vector{R(s), I(10), I(20), I(100), I(40)};
       },
       {"osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
      {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V",
       [](jref s, jref f) { return std::vector{R(s), I(10), I(20), I(100), I(40), I(291), R(f)}; },
       {"osGXtext(3,{10,20,109,59},{291,2147483648,0},{2,0,0,1,1,1,1,1},77,\"Pump\",4,true)"}},
      {"drawString(Ljava/lang/String;IIIIZ)V",
       [](jref s, jref) { return std::vector{R(s), I(10), I(20), I(100), I(40), Z(false)}; },
       {"osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,false)"}},
      {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V",
       [](jref s, jref f) {
         return std::vector{R(s), I(10), I(20), I(100), I(40), I(291), R(f), I(6)};
       },
       {"osGXsimpleText(3,{10,20,109,59},77,\"Pump\",{291,2147483648,9},6,1,4)"}},
      {"drawString(Ljava/lang/String;IIIIZI)V",
       [](jref s, jref) { return std::vector{R(s), I(10), I(20), I(100), I(40), Z(true), I(12)}; },
       {"osGXscrollMarquee(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,"
        "true,12)"}},
      {"drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V",
       [](jref s, jref f) {
         // Options come from ints and keep their low 8 bits: 0x101 -> 1, 0x1FF -> 255.
         return std::vector{R(s),     I(10), I(20),    I(100), I(40), I(291),
                            I(0x101), I(2),  I(0x1FF), I(4),   R(f),  Z(false)};
       },
       {"osGXtext(3,{10,20,109,59},{291,2147483648,0},{0,1,2,1,1,1,255,4},77,\"Pump\",4,false)"}},
      {"drawStringWithBorder(IIILjava/lang/String;IIII)V",
       [](jref s, jref) {
         return std::vector{I(11), I(12), I(2), R(s), I(10), I(20), I(100), I(40)};
       },
       {"osGXfillRectangle(10,20,109,59,2,12,1,8,0,0,0)",
        "osGXdrawRectangle(10,20,109,59,2,1,11,8,0,0,0)",
        "osGXtext(3,{10,20,109,59},{7,2147483648,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
      {"drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V",
       [](jref s, jref f) {
         return std::vector{I(11),  I(291), I(13), I(14), I(2), I(3),     R(s), I(10), I(20),
                            I(100), I(40),  I(1),  I(2),  I(6), I(0x107), I(5), R(f)};
       },
       {"osGXtext(3,{10,20,109,59},{291,13,14},{5,1,2,1,1,1,6,7},77,\"Pump\",4,true)",
        "osGXdrawRectangle(10,20,109,59,2,3,11,13,0,0,0)"}},
      {"drawStringWithBackground(ILjava/lang/String;IIII)V",
       [](jref s, jref) { return std::vector{I(15), R(s), I(10), I(20), I(100), I(40)}; },
       {"osGXtext(3,{10,20,109,59},{7,15,9},{2,0,0,1,1,1,5,1},42,\"Pump\",4,true)"}},
  };
  return table;
}

constexpr const char* kTranslatedBorder =
    "drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V";

class CanvasStringsTest : public ModuleTest {
 protected:
  CanvasStringsTest() {
    vm.setInt(canvas, "color", 7);
    vm.setInt(canvas, "backColor", 8);
    vm.setInt(canvas, "textThirdColor", 9);
    vm.setInt(canvas, "textOption", 0x305);  // only the low byte is passed
    vm.setInt(canvas, "fontHandle", 42);
    vm.setInt(font, "fontHandle", 77);
  }

  std::vector<std::string> run(const Overload& o, jref text, jref withFont) {
    recorder.clear();
    const auto args = o.args(text, withFont);
    vm.invoke(*vm.findNative(kCanvas, o.signature), canvas, args);
    return drawn();
  }

  jref canvas = newCanvas(3);
  jref font = vm.newObject(kFont);
  jref pump = vm.newStringUtf8("Pump");
};

TEST_F(CanvasStringsTest, EachOverloadPassesItsExactRecords) {
  for (const auto& o : overloads()) EXPECT_EQ(run(o, pump, font), o.expected) << o.signature;
}

TEST_F(CanvasStringsTest, OnlyTheLongBorderedOverloadMovesWithTheTranslation) {
  canvasCall(canvas, "setTransform(II)V", {I(100), I(200)});
  for (const auto& o : overloads()) {
    if (std::string(o.signature) != kTranslatedBorder) {
      EXPECT_EQ(run(o, pump, font), o.expected) << o.signature;
      continue;
    }
    EXPECT_EQ(run(o, pump, font),
              (std::vector<std::string>{
                  "osGXtext(3,{110,220,209,259},{291,13,14},{5,1,2,1,1,1,6,7},77,\"Pump\",4,true)",
                  "osGXdrawRectangle(110,220,209,259,2,3,11,13,0,0,0)"}));
  }
}

TEST_F(CanvasStringsTest, NullTextDrawsNothing) {
  for (const auto& o : overloads()) EXPECT_TRUE(run(o, 0, font).empty()) << o.signature;
}

TEST_F(CanvasStringsTest, NullFontArgumentDrawsNothing) {
  for (const auto& o : overloads()) {
    if (std::string(o.signature).find("CuxFont") == std::string::npos) continue;
    EXPECT_TRUE(run(o, pump, 0).empty()) << o.signature;
  }
}

TEST_F(CanvasStringsTest, MeasuredPlacementUsesTheMetricsOfExactlyThatText) {
  // The null service measures 8 pixels per character and 16 high.
  const struct {
    const char* text;
    int32_t x, y;
    std::string metrics, rect;
  } cases[] = {
      {"A", 10, 50, "osGXgetTextMetrics(42,\"A\",1,8,16,4)", "{10,34,18,50}"},
      {"Level 42 %", 0, 5, "osGXgetTextMetrics(42,\"Level 42 %\",10,80,16,4)", "{0,-11,80,5}"},
      {"", 7, 7, "osGXgetTextMetrics(42,\"\",0,0,16,4)", "{7,-9,7,7}"},
  };
  for (const auto& c : cases) {
    recorder.clear();
    canvasCall(canvas, "drawString(Ljava/lang/String;II)V",
               {R(vm.newStringUtf8(c.text)), I(c.x), I(c.y)});
    const auto lines = drawn();
    ASSERT_EQ(lines.size(), 2u) << c.text;
    EXPECT_EQ(lines[0], c.metrics);
    EXPECT_EQ(lines[1].rfind("osGXtext(3," + c.rect + ",", 0), 0u) << lines[1];
  }
}

TEST_F(CanvasStringsTest, EmptyTextIsStillDrawnWithCountZero) {
  canvasCall(canvas, "drawString(Ljava/lang/String;IIII)V",
             {R(vm.newStringUtf8("")), I(1), I(2), I(3), I(4)});
  EXPECT_EQ(drawn(), std::vector<std::string>{"osGXtext(3,{1,2,3,5},{7,2147483648,9},"
                                              "{2,0,0,1,1,1,5,1},42,\"\",0,true)"});
}

TEST_F(CanvasStringsTest, TransparentBackgroundDrawsLikeThePlainBox) {
  canvasCall(canvas, "drawString(Ljava/lang/String;IIII)V", {R(pump), I(1), I(2), I(30), I(40)});
  const auto plain = drawn();
  recorder.clear();
  canvasCall(canvas, "drawStringWithBackground(ILjava/lang/String;IIII)V",
             {I(static_cast<int32_t>(0x80000000u)), R(pump), I(1), I(2), I(30), I(40)});
  EXPECT_EQ(drawn(), plain);
}

TEST_F(CanvasStringsTest, TextIsPassedAsUtf16UnitsWithTheirCount) {
  // One character outside the basic plane takes two units.
  canvasCall(canvas, "drawString(Ljava/lang/String;IIII)V",
             {R(vm.newString(u"\u00c4l \U0001D11E")), I(0), I(0), I(8), I(8)});
  const auto& call = recorder.calls().at(0);
  EXPECT_EQ(call["count"], 5);
  EXPECT_EQ(call["chars"], "\u00c4l \U0001D11E");
}

}  // namespace
}  // namespace zelmo::test
