// The CuxText draw(II)V native through the VM stand-in: its records, the border rule, the clip
// state it leaves behind, null references, and its record layout against the VM's class.
#include <string>
#include <vector>

#include "records/GraphicsRecord.h"
#include "records/TextRecord.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kText = "uxclasses/graphics/CuxText";
constexpr const char* kFont = "uxclasses/graphics/CuxFont";

class TextObjectTest : public ModuleTest {
 protected:
  TextObjectTest() {
    vm.setInt(object, "x1", 10);
    vm.setInt(object, "y1", 20);
    vm.setInt(object, "x2", 109);
    vm.setInt(object, "y2", 59);
    vm.setInt(object, "fillColor", 1);
    vm.setInt(object, "backColor", 2);
    vm.setInt(object, "lineColor", 3);
    vm.setInt(object, "textThirdColor", 4);
    vm.setInt(object, "textMode", 5);
    vm.setByte(object, "textOption1", 6);
    vm.setByte(object, "textOption2", 7);
    vm.setByte(object, "textOption6", 8);
    vm.setByte(object, "textOption7", 9);
    vm.setByte(object, "lineWidth", 2);
    vm.setByte(object, "lineStyle", 1);
    vm.setRef(object, "text", vm.newStringUtf8("Tank"));
    vm.setInt(font, "fontHandle", 77);
    vm.setRef(object, "textFont", font);
    osGXremoveClipArea(3);  // the null service behind the recorder outlives a single test
  }

  std::vector<std::string> draw(int32_t layer = 3, int32_t unused = 0) {
    recorder.clear();
    call(kText, "draw(II)V", object, {I(layer), I(unused)});
    return drawn();
  }

  jref object = vm.newObject(kText);
  jref font = vm.newObject(kFont);
};

const std::string kTank = "osGXtext(3,{10,20,109,59},{1,2,4},{5,6,7,1,1,1,8,9},77,\"Tank\",4,true)";
const std::string kBorder = "osGXdrawRectangle(10,20,109,59,2,1,3,2,0,0,0)";

TEST_F(TextObjectTest, DrawsTextThenBorderAndRemovesTheClipItFoundAbsent) {
  EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,false)", kTank, kBorder,
                                              "osGXremoveClipArea(3)"}));
}

TEST_F(TextObjectTest, PutsBackTheClipAreaItFound) {
  osGXsetClipArea(5, 6, 70, 80, 3);
  EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,true)", kTank, kBorder,
                                              "osGXsetClipArea(5,6,70,80,3)"}));
}

TEST_F(TextObjectTest, BorderNeedsPositiveWidthAndStyle) {
  const struct {
    int8_t width, style;
    bool border;
  } cases[] = {{2, 1, true}, {0, 1, false}, {1, 0, false}, {1, -1, false}, {-128, 1, false}};
  for (const auto& c : cases) {
    vm.setByte(object, "lineWidth", c.width);
    vm.setByte(object, "lineStyle", c.style);
    const auto lines = draw();
    const bool bordered = lines.size() == 4 && lines[2].rfind("osGXdrawRectangle", 0) == 0;
    EXPECT_EQ(bordered, c.border) << int{c.width} << "," << int{c.style};
    EXPECT_EQ(lines.size(), c.border ? 4u : 3u);
  }
}

TEST_F(TextObjectTest, SecondArgumentHasNoEffect) {
  const auto plain = draw(3, 0);
  EXPECT_EQ(draw(3, -12345), plain);
}

TEST_F(TextObjectTest, EmptyTextIsDrawnAndTheBorderFollows) {
  vm.setRef(object, "text", vm.newStringUtf8(""));
  const auto lines = draw();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "osGXtext(3,{10,20,109,59},{1,2,4},{5,6,7,1,1,1,8,9},77,\"\",0,true)");
  EXPECT_EQ(lines[2], kBorder);
}

TEST_F(TextObjectTest, NullFontDrawsNothingAndLeavesTheClipAlone) {
  vm.setRef(object, "textFont", 0);
  EXPECT_TRUE(draw().empty());
}

TEST_F(TextObjectTest, NullTextDrawsTheBorderAlone) {
  vm.setRef(object, "text", 0);
  EXPECT_EQ(draw(), (std::vector<std::string>{"osGXgetClipArea(3,false)", kBorder,
                                              "osGXremoveClipArea(3)"}));
}

// A service that moves the clip area while it draws text.
class ClipMovingService : public gx::Backend {
 public:
  void text(int32_t layer, const POINTRECT&, const TEXTCOL&, const TEXTATTRIB&, uint32_t,
            const UniChar*, int32_t, bool) override {
    setClipArea(1, 1, 2, 2, layer);
  }
  std::optional<gx::ClipArea> clip(int32_t layer) {
    gx::ClipArea c{};
    if (!getClipArea(&c.x1, &c.y1, &c.x2, &c.y2, layer)) return std::nullopt;
    return c;
  }
};

TEST_F(TextObjectTest, ClipStateSurvivesAServiceThatChangesIt) {
  ClipMovingService service;
  gx::installService(&service);

  draw();
  EXPECT_FALSE(service.clip(3).has_value());

  service.setClipArea(5, 6, 70, 80, 3);
  draw();
  const auto after = service.clip(3);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->x1, 5);
  EXPECT_EQ(after->y1, 6);
  EXPECT_EQ(after->x2, 70);
  EXPECT_EQ(after->y2, 80);
}

// Each field the module reads, set by name in the VM, must read back through its own offset.
TEST_F(TextObjectTest, RecordOffsetsAgreeWithTheManagedClass) {
  const jref t = vm.newObject(kText);
  const jref s = vm.newStringUtf8("s");
  const jref f = vm.newObject(kFont);
  vm.setInt(t, "x1", 201);
  vm.setInt(t, "y1", 202);
  vm.setInt(t, "x2", 203);
  vm.setInt(t, "y2", 204);
  vm.setInt(t, "fillColor", 205);
  vm.setInt(t, "backColor", 206);
  vm.setInt(t, "lineColor", 207);
  vm.setByte(t, "lineStyle", -8);
  vm.setByte(t, "lineWidth", 9);
  vm.setInt(t, "textThirdColor", 210);
  vm.setInt(t, "textMode", 211);
  vm.setRef(t, "text", s);
  vm.setRef(t, "textFont", f);
  vm.setByte(t, "unreadTextByte1", 99);
  vm.setByte(t, "unreadTextByte2", 99);
  vm.setByte(t, "textOption2", 12);
  vm.setByte(t, "textOption6", 13);
  vm.setByte(t, "textOption7", 14);
  vm.setByte(t, "textOption1", 15);
  const std::byte* fields = vm.storage(t);
  namespace g = GraphicsFields;
  namespace x = TextFields;
  EXPECT_EQ(g::x1.read(fields), 201);
  EXPECT_EQ(g::y1.read(fields), 202);
  EXPECT_EQ(g::x2.read(fields), 203);
  EXPECT_EQ(g::y2.read(fields), 204);
  EXPECT_EQ(g::fillColor.read(fields), 205);
  EXPECT_EQ(g::backColor.read(fields), 206);
  EXPECT_EQ(g::lineColor.read(fields), 207);
  EXPECT_EQ(g::lineStyle.read(fields), -8);
  EXPECT_EQ(g::lineWidth.read(fields), 9);
  EXPECT_EQ(x::textThirdColor.read(fields), 210);
  EXPECT_EQ(x::textMode.read(fields), 211);
  EXPECT_EQ(x::text.read(fields), s);
  EXPECT_EQ(x::textFont.read(fields), f);
  EXPECT_EQ(x::textOption2.read(fields), 12);
  EXPECT_EQ(x::textOption6.read(fields), 13);
  EXPECT_EQ(x::textOption7.read(fields), 14);
  EXPECT_EQ(x::textOption1.read(fields), 15);
  EXPECT_EQ(vm.fieldOf(t, "textThirdColor").offset, GraphicsFields::kSubclassStart);
}

}  // namespace
}  // namespace zelmo::test
