// CuxFont natives through the VM stand-in, and the font record's layout against the VM's class.
#include <string>
#include <vector>

#include "core/FatalError.h"
#include "records/FontRecord.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kFont = "uxclasses/graphics/CuxFont";

class FontTest : public ModuleTest {
 protected:
  jref fontNamed(const std::u16string& name) {
    const jref font = vm.newObject(kFont);
    vm.setRef(font, "fontName", vm.newString(name));
    return font;
  }
  bool isAgfa(jref font) { return call(kFont, "isAgfaFont()Z", font).z(); }
  bool isTcp(jref font) { return call(kFont, "isTcpFont()Z", font).z(); }
};

TEST_F(FontTest, FamilyIsToldByTheName) {
  const std::u16string longTail(255, u'x');  // "PF " + 255 + " S" = 260 characters
  const struct {
    std::u16string name;
    bool agfa, tcp;
  } cases[] = {
      {u"PF S", true, false},  // prefix and suffix overlap
      {u"PF Helvetica S", true, false},
      {u"PF ", false, false},  // its last two characters are "F "
      {u"PF Helvetica s", false, false},
      {u"pf Helvetica S", false, false},  // the prefix is case-sensitive
      {u"PFHelvetica S", false, false},
      {u"TCP", false, true},
      {u"TCP Mono 12", false, true},
      {u"tcp Mono", false, false},
      {u"TC", false, false},
      {u"", false, false},
      {u"PF " + longTail + u" S", true, false},
      {u"PF " + longTail + u"y S", false, false},  // 261 characters: cut before the suffix
  };
  for (const auto& c : cases) {
    const jref font = fontNamed(c.name);
    EXPECT_EQ(isAgfa(font), c.agfa) << c.name.size();
    EXPECT_EQ(isTcp(font), c.tcp) << c.name.size();
  }
}

TEST_F(FontTest, NullNameIsTheEmptyName) {
  const jref font = vm.newObject(kFont);
  EXPECT_FALSE(isAgfa(font));
  EXPECT_FALSE(isTcp(font));
  call(kFont, "createFont()I", font);
  ASSERT_EQ(recorder.calls().size(), 1u);
  EXPECT_EQ(recorder.calls()[0]["name"], "");
}

TEST_F(FontTest, CreateFontLoadsWithOptionsInServiceOrderAndLeavesTheHandleField) {
  const jref font = fontNamed(u"DejaVu Sans:bold:18");
  vm.setByte(font, "fontOption1", 1);
  vm.setByte(font, "fontOption2", 2);
  vm.setByte(font, "fontOption3", -3);
  vm.setInt(font, "fontHandle", 555);
  const int32_t first = call(kFont, "createFont()I", font).i();
  const int32_t second = call(kFont, "createFont()I", font).i();
  // Nothing is cached: each call loads, and returns what the service returned.
  ASSERT_EQ(recorder.calls().size(), 2u);
  for (const auto& load : recorder.calls()) {
    EXPECT_EQ(load["fn"], "osGXloadFont");
    EXPECT_EQ(load["name"], "DejaVu Sans:bold:18");
    EXPECT_EQ(load["option2"], 2);
    EXPECT_EQ(load["option3"], 253);
    EXPECT_EQ(load["option1"], 1);
  }
  EXPECT_EQ(first, recorder.calls()[0]["result"]);
  EXPECT_EQ(second, recorder.calls()[1]["result"]);
  EXPECT_NE(first, second);
  EXPECT_EQ(vm.getInt(font, "fontHandle"), 555);
}

TEST_F(FontTest, LongNamesAreCutTo260Characters) {
  call(kFont, "createFont()I", fontNamed(std::u16string(300, u'n')));
  EXPECT_EQ(recorder.calls().at(0)["name"], std::string(260, 'n'));
}

TEST_F(FontTest, DeleteFontUnloadsTheHandleAndKeepsTheField) {
  const jref font = fontNamed(u"TCP");
  vm.setInt(font, "fontHandle", static_cast<int32_t>(0xF0000001u));
  call(kFont, "deleteFont()V", font);
  EXPECT_EQ(drawn(), std::vector<std::string>{"osGXunloadFont(4026531841)"});
  EXPECT_EQ(static_cast<uint32_t>(vm.getInt(font, "fontHandle")), 0xF0000001u);
}

TEST_F(FontTest, CalcTextMetricsStoresAllThreeValues) {
  const jref font = fontNamed(u"any");
  vm.setInt(font, "fontHandle", 9);
  // The null service measures 8 pixels per character, 16 high, and gives 4 as the third value.
  call(kFont, "calcTextMetrics(Ljava/lang/String;)V", font, {R(vm.newStringUtf8("Tank 3"))});
  EXPECT_EQ(drawn(), std::vector<std::string>{"osGXgetTextMetrics(9,\"Tank 3\",6,48,16,4)"});
  EXPECT_EQ(vm.getInt(font, "textWidth"), 48);
  EXPECT_EQ(vm.getInt(font, "textHeight"), 16);
  EXPECT_EQ(vm.getInt(font, "textMetric3"), 4);

  call(kFont, "calcTextMetrics(Ljava/lang/String;)V", font, {R(vm.newStringUtf8(""))});
  EXPECT_EQ(vm.getInt(font, "textWidth"), 0);
  EXPECT_EQ(vm.getInt(font, "textHeight"), 16);
}

TEST_F(FontTest, CalcTextMetricsOfNullTextIsAFatalReportAndChangesNothing) {
  const jref font = fontNamed(u"any");
  vm.setInt(font, "textWidth", 11);
  vm.setInt(font, "textHeight", 12);
  vm.setInt(font, "textMetric3", 13);
  core::clearFatalReports();
  call(kFont, "calcTextMetrics(Ljava/lang/String;)V", font, {R(0)});
  ASSERT_EQ(core::fatalReports().size(), 1u);
  const auto& report = core::fatalReports()[0];
  EXPECT_EQ(report.moduleName, "ZelmoGraphics");
  EXPECT_EQ(report.sourceFile, "uxClasses_Graphics_CuxFont");
  EXPECT_EQ(report.line, 66u);
  EXPECT_EQ(report.message, "CuxFont :: Unexpected null character");
  EXPECT_TRUE(drawn().empty());
  EXPECT_EQ(vm.getInt(font, "textWidth"), 11);
  EXPECT_EQ(vm.getInt(font, "textHeight"), 12);
  EXPECT_EQ(vm.getInt(font, "textMetric3"), 13);
}

// Each field the module reads, set by name in the VM, must read back through its own offset.
TEST_F(FontTest, RecordOffsetsAgreeWithTheManagedClass) {
  const jref font = vm.newObject(kFont);
  const jref name = vm.newStringUtf8("n");
  vm.setRef(font, "fontName", name);
  vm.setInt(font, "fontHandle", 101);
  vm.setInt(font, "textWidth", 102);
  vm.setInt(font, "textHeight", 103);
  vm.setInt(font, "textMetric3", 104);
  vm.setByte(font, "fontOption1", 105);
  vm.setByte(font, "fontOption2", 106);
  vm.setByte(font, "fontOption3", 107);
  const std::byte* fields = vm.storage(font);
  EXPECT_EQ(FontFields::fontName.read(fields), name);
  EXPECT_EQ(FontFields::fontHandle.read(fields), 101u);
  EXPECT_EQ(FontFields::textWidth.read(fields), 102);
  EXPECT_EQ(FontFields::textHeight.read(fields), 103);
  EXPECT_EQ(FontFields::textMetric3.read(fields), 104);
  EXPECT_EQ(FontFields::fontOption1.read(fields), 105);
  EXPECT_EQ(FontFields::fontOption2.read(fields), 106);
  EXPECT_EQ(FontFields::fontOption3.read(fields), 107);
}

}  // namespace
}  // namespace zelmo::test
