// The CuxText draw(II)V native through the VM stand-in: its records, the border rule, the clip
// state it leaves behind and null references.
#include <optional>
#include <string>
#include <vector>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kText = "uxclasses/graphics/CuxText";

class TextObjectTest : public ModuleTest {
 protected:
  TextObjectTest() {
    setFields(object,
              "x1 y1 x2 y2 fillColor backColor lineColor textThirdColor textMode textOption1 "
              "textOption2 textOption6 textOption7 lineWidth lineStyle",
              {10, 20, 109, 59, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2, 1});
    vm.setRef(object, "text", vm.newStringUtf8("Tank"));
    const jref font = vm.newObject("uxclasses/graphics/CuxFont");
    vm.setInt(font, "fontHandle", 77);
    vm.setRef(object, "textFont", font);
    osGXremoveClipArea(3);  // the null service behind the recorder lives as long as the process
  }

  std::vector<std::string> draw(int32_t unused = 0) {
    recorder.clear();
    call(kText, "draw(II)V", object, {I(3), I(unused)});
    return drawn();
  }

  jref object = vm.newObject(kText);
};

const std::string kTank = "osGXtext(3,{10,20,109,59},{1,2,4},{5,6,7,1,1,1,8,9},77,\"Tank\",4,true)";
const std::string kBorder = "osGXdrawRectangle(10,20,109,59,2,1,3,2,0,0,0)";

TEST_F(TextObjectTest, DrawsTextThenBorderAndRestoresTheClipStateItFound) {
  EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,false)", kTank, kBorder,
                                              "osGXremoveClipArea(3)"}));
  osGXsetClipArea(5, 6, 70, 80, 3);
  EXPECT_EQ(draw(-12345), (std::vector<std::string>{"osGXgetClipArea(3,true)", kTank, kBorder,
                                                    "osGXsetClipArea(5,6,70,80,3)"}));
}

TEST_F(TextObjectTest, BorderNeedsPositiveWidthAndStyle) {
  const struct { int8_t width, style; } noBorder[] = {{0, 1}, {1, 0}, {1, -1}, {-128, 1}};
  for (const auto& c : noBorder) {
    vm.setByte(object, "lineWidth", c.width);
    vm.setByte(object, "lineStyle", c.style);
    EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,false)", kTank,
                                                "osGXremoveClipArea(3)"}))
        << int{c.width} << "," << int{c.style};
  }
}

TEST_F(TextObjectTest, NullFontDrawsNothingAndNullTextOnlyTheBorder) {
  vm.setRef(object, "text", 0);
  EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,false)", kBorder,
                                              "osGXremoveClipArea(3)"}));
  vm.setRef(object, "textFont", 0);
  EXPECT_TRUE(draw().empty());
}

// A service that moves the clip area while it draws text.
class ClipMovingService : public gx::Backend {
 public:
  void text(int32_t layer, const POINTRECT&, const TEXTCOL&, const TEXTATTRIB&, uint32_t,
            const UniChar*, int32_t, bool) override {
    setClipArea(1, 1, 2, 2, layer);
  }
  std::optional<std::vector<int32_t>> clip() {
    std::vector<int32_t> c(4);
    if (!getClipArea(&c[0], &c[1], &c[2], &c[3], 3)) return std::nullopt;
    return c;
  }
};

TEST_F(TextObjectTest, ClipStateSurvivesAServiceThatChangesIt) {
  ClipMovingService service;
  gx::installService(&service);
  draw();
  EXPECT_EQ(service.clip(), std::nullopt);
  service.setClipArea(5, 6, 70, 80, 3);
  draw();
  EXPECT_EQ(service.clip(), (std::vector<int32_t>{5, 6, 70, 80}));
}

}  // namespace
}  // namespace zelmo::test
