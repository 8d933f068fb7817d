// CuxFont natives through the VM stand-in.
#include <optional>
#include <string>
#include <vector>

#include "core/FatalError.h"
#include "gx/RasterBackend.h"
#include "support/ModuleFixture.h"
#include "support/ProcessSize.h"

namespace zelmo::test {
namespace {

constexpr const char* kFont = "uxclasses/graphics/CuxFont";

class FontTest : public ModuleTest {
 protected:
  jref fontNamed(std::optional<std::u16string> name) {
    const jref font = vm.newObject(kFont);
    if (name) vm.setRef(font, "fontName", vm.newString(*name));
    return font;
  }
};

TEST_F(FontTest, FamilyIsToldByTheName) {
  const std::u16string x255(255, u'x');  // "PF " + 255 + " S" is 260 characters
  const struct {
    std::optional<std::u16string> name;
    bool agfa, tcp;
  } cases[] = {
      {u"PF S", true, false},  // prefix and suffix overlap
      {u"PF Helvetica S", true, false},
      {u"PF ", false, false},  // ends in "F "
      {u"PF Helvetica s", false, false},
      {u"pf Helvetica S", false, false},  // case-sensitive
      {u"TCP", false, true},
      {u"TCP Mono 12", false, true},
      {u"tcp Mono", false, false},
      {u"TC", false, false},
      {std::nullopt, false, false},  // a null name is the empty name
      {u"PF " + x255 + u" S", true, false},
      {u"PF " + x255 + u"y S", false, false},  // 261 characters: the cut drops the "S"
  };
  for (const auto& c : cases) {
    const jref font = fontNamed(c.name);
    const size_t length = c.name ? c.name->size() : 0;
    EXPECT_EQ(call(kFont, "isAgfaFont()Z", font).z(), c.agfa) << length;
    EXPECT_EQ(call(kFont, "isTcpFont()Z", font).z(), c.tcp) << length;
  }
}

TEST_F(FontTest, CreateFontLoadsEachTimeAndDeleteFontUnloadsTheField) {
  const jref font = fontNamed(u"DejaVu Sans:bold:18");
  vm.setByte(font, "fontOption1", 1);
  vm.setByte(font, "fontOption2", 2);
  vm.setByte(font, "fontOption3", -3);
  vm.setInt(font, "fontHandle", 555);
  const int32_t first = call(kFont, "createFont()I", font).i();
  const int32_t second = call(kFont, "createFont()I", font).i();
  call(kFont, "deleteFont()V", font);
  const auto& calls = recorder.calls();
  ASSERT_EQ(calls.size(), 3u);
  // Options go to the service in the order 2, 3, 1; the handle is returned, not stored.
  EXPECT_EQ(gx::Recorder::describe(calls[0]),
            "osGXloadFont(\"DejaVu Sans:bold:18\",2,253,1," + std::to_string(first) + ")");
  EXPECT_EQ(calls[1]["result"], second);
  EXPECT_NE(first, second);
  EXPECT_EQ(gx::Recorder::describe(calls[2]), "osGXunloadFont(555)");
  EXPECT_EQ(vm.getInt(font, "fontHandle"), 555);

  recorder.clear();
  call(kFont, "createFont()I", fontNamed(std::u16string(300, u'n')));
  EXPECT_EQ(recorder.calls().at(0)["name"], std::string(260, 'n'));
}

TEST_F(FontTest, CalcTextMetricsStoresTheServiceValues) {
  const jref font = fontNamed(u"any");
  vm.setInt(font, "fontHandle", 9);
  call(kFont, "calcTextMetrics(Ljava/lang/String;)V", font, {R(vm.newStringUtf8("Tank 3"))});
  EXPECT_EQ(drawn(), std::vector<std::string>{"osGXgetTextMetrics(9,\"Tank 3\",6,48,16,4)"});
  EXPECT_EQ(ints(font, "textWidth textHeight textMetric3"), (std::vector<int32_t>{48, 16, 4}));
}

TEST_F(FontTest, CalcTextMetricsOfNullTextIsAFatalReportAndChangesNothing) {
  const jref font = fontNamed(u"any");
  vm.setInt(font, "textWidth", 11);
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
}

// Fonts loaded, measured and unloaded many times over through the raster service: memory comes
// back each time. The font stays put, as each relocation takes heap that the stand-in never frees.
TEST_F(FontTest, HundredThousandCyclesLeaveTheProcessSizeFlat) {
  vm.relocateOnEveryCall = false;
  gx::RasterBackend raster(16, 16, 1, 0xFFFFFF);
  gx::installService(&raster);
  const jref font = fontNamed(u"DejaVu Sans:bold:18");
  const jref text = vm.newString(u"Tank 3 level");
  const auto* create = vm.findNative(kFont, "createFont()I");
  const auto* measure = vm.findNative(kFont, "calcTextMetrics(Ljava/lang/String;)V");
  const auto* remove = vm.findNative(kFont, "deleteFont()V");
  const vm::Arg measured[] = {R(text)};
  const auto cycle = [&] {
    vm.setInt(font, "fontHandle", vm.invoke(*create, font, {}).i());
    vm.invoke(*measure, font, measured);
    vm.invoke(*remove, font, {});
  };
  EXPECT_LT(residentGrowthOver(100000, cycle), 1L << 20);
  gx::installService(&recorder);
}

}  // namespace
}  // namespace zelmo::test
