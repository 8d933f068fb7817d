// The report page's data: what each screen call and drawing call changed, the steps, and the
// encodings the page reads them in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gx/RasterBackend.h"
#include "gx/Recorder.h"
#include "panel/Report.h"
#include "panel/Runner.h"
#include "panel/Screen.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

TEST(ReportEncodingTest, Base64AndRunLengths) {
  const std::pair<std::string, std::string> base64Cases[] = {
      {"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
      {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {std::string("\xff\x00\x80", 3), "/wCA"}};
  for (const auto& [bytes, text] : base64Cases) EXPECT_EQ(panel::base64(bytes), text) << text;

  using Runs = std::vector<uint32_t>;
  EXPECT_EQ(panel::runLengths({1, 1, 1}), (Runs{0, 3}));
  EXPECT_EQ(panel::runLengths({0, 0, 1, 0}), (Runs{2, 1, 1}));
  EXPECT_EQ(panel::runLengths({1, 0, 0, 1, 1}), (Runs{0, 1, 2, 2}));
}

class ReportTest : public ModuleTest {};

TEST_F(ReportTest, PageHoldsEachCallsChangesAndStepsAndNoStrayScriptEnd) {
  const panel::Screen screen = panel::parseScreen(gx::Json::parse(R"({
    "width": 40, "height": 30, "background": "#FFFFFF",
    "objects": [
      { "id": "ink", "class": "uxclasses/graphics/CuxCanvas",
        "fields": { "color": "#000000", "lineWidth": 1, "lineStyle": 1, "fillPattern": 1 } },
      { "id": "label", "String": "</script><b>" } ],
    "calls": [
      { "comment": "a box, then nothing, then a line" },
      { "on": "ink", "call": "fillRect(IIIIIIBI)V", "args": [2, 3, 4, 2, "#FF0000", "none", 1, 1] },
      { "on": "ink", "call": "setClip(IIII)V", "args": [0, 0, 10, 10] },
      { "on": "ink", "call": "drawLine(IIIIIIBI)V", "args": [0, 20, 0, 20, "#0000FF", "none", 1, 1],
        "comment": "</script>" } ] })"));
  gx::RasterBackend raster(screen.width, screen.height, screen.layers, screen.background);
  gx::Recorder traced(&raster);
  gx::installService(&traced);
  panel::Report report(raster, traced, screen, "tiny.json");
  panel::Bindings names;
  panel::buildObjects(vm, screen.objects, names);
  panel::CallHooks hooks;
  hooks.before = [&](size_t i) {
    traced.setCall(i);
    report.beforeCall(i);
  };
  hooks.after = [&](size_t i) { report.afterCall(i); };
  panel::runCalls(vm, screen.calls, names, {}, hooks);

  const std::string page = report.page();
  size_t ends = 0;
  for (size_t at = page.find("</script>"); at != std::string::npos;
       at = page.find("</script>", at + 1))
    ++ends;
  EXPECT_EQ(ends, 2u);  // the two script elements' own
  const std::string open = "type=\"application/json\">";
  const size_t begin = page.find(open) + open.size();
  const gx::Json data = gx::Json::parse(page.substr(begin, page.find("</script>", begin) - begin));

  EXPECT_EQ(data["screen"]["name"], "tiny.json");
  // The comment-only entry too: the page numbers calls by their index in the screen.
  ASSERT_EQ(data["calls"].size(), 4u);
  EXPECT_EQ(data["calls"][0],
            (gx::Json{{"index", 0}, {"comment", "a box, then nothing, then a line"}}));
  EXPECT_EQ(data["calls"][3]["comment"], "</script>");
  // One step per call that ran: the box, nothing (a clip), nothing (the line is clipped away).
  ASSERT_EQ(data["steps"].size(), 3u);
  EXPECT_EQ(data["steps"][0]["call"], 1);
  EXPECT_EQ(data["steps"][0]["x"], 2);
  EXPECT_EQ(data["steps"][0]["y"], 3);
  EXPECT_TRUE(data["steps"][1]["png"].is_null());
  EXPECT_TRUE(data["steps"][2]["png"].is_null());
  EXPECT_EQ(data["before"].get<std::string>().rfind("data:image/png;base64,", 0), 0u);

  bool sawFill = false;
  for (const gx::Json& line : data["lines"]) {
    if (line["fn"] != "osGXfillRectangle") continue;
    sawFill = true;
    EXPECT_EQ(line["call"], 1);
    const gx::Json& changed = line["report"]["changed"];
    EXPECT_EQ(changed, (gx::Json{{"x1", 2}, {"y1", 3}, {"x2", 5}, {"y2", 4}, {"runs", {0, 8}}}));
    EXPECT_EQ(line["report"]["layer"], 0);
  }
  EXPECT_TRUE(sawFill);
}

}  // namespace
}  // namespace zelmo::test
