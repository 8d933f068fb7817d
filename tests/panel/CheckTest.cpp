// zelmo-panel check end to end: a folder of screens against a folder of references.
#include <cairo.h>

#include <sstream>
#include <string>
#include <vector>

#include "panel/PanelProcess.h"

namespace zelmo::test {
namespace {

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::string lineOf(const std::string& text, const std::string& name) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.find(" " + name) != std::string::npos) return line;
  return "";
}

// A 40x30 screen with one filled rectangle of `width` pixels in `colour`.
std::string barScreen(int width, const std::string& colour = "#000000") {
  return R"({"width": 40, "height": 30, "objects": [{"id": "c", "class": "uxclasses/graphics/CuxCanvas",
            "fields": {"layer": 0, "color": ")" +
         colour + R"(", "fillPattern": 1}}],
            "calls": [{"on": "c", "call": "fillRect(IIII)V", "args": [2, 2, )" +
         std::to_string(width) + ", 3]}]}";
}

TEST(PanelCheck, ExampleScreensMatchTheirReferences) {
  const fs::path examples = fs::path(ZELMO_SOURCE_DIR) / "examples";
  const fs::path junit = configTestDir() / "junit.xml";
  const PanelRun run = runPanel({"check", (examples / "screens").string(), "--references",
                                 (examples / "reference").string(), "--junit", junit.string()});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  size_t screens = 0;
  for (const auto& entry : fs::directory_iterator(examples / "screens"))
    screens += entry.path().extension() == ".json";
  EXPECT_EQ(occurrences("\n" + run.out, "\nok "), screens) << run.out;
  EXPECT_NE(run.out.find(std::to_string(screens) + " screens: " + std::to_string(screens) +
                         " ok, 0 differ, 0 without a reference, 0 with errors"),
            std::string::npos)
      << run.out;
  const std::string xml = fileText(junit);
  EXPECT_EQ(occurrences(xml, "<testcase "), screens) << xml;
  EXPECT_EQ(occurrences(xml, "<failure"), 0u) << xml;
}

// Each outcome has its line, the exit code follows the worst, and --update renews exactly the
// references that were missing or differed.
TEST(PanelCheck, ReportsEachScreenAndUpdatesTheReferences) {
  const fs::path dir = configTestDir();
  const fs::path screens = dir / "screens", refs = dir / "refs";
  fs::create_directories(screens);
  fs::create_directories(refs);
  writeFileText(dir / "wide.json", barScreen(6));
  writeFileText(dir / "dark.json", barScreen(4, "#000000"));
  ASSERT_EQ(runPanel({(dir / "wide.json").string(), "-o", (refs / "same.png").string()}).exitCode,
            0);
  ASSERT_EQ(runPanel({(dir / "dark.json").string(), "-o", (refs / "shade.png").string()}).exitCode,
            0);
  fs::copy_file(refs / "same.png", refs / "narrow.png");
  writeFileText(screens / "same.json", barScreen(6));
  writeFileText(screens / "narrow.json", barScreen(4));  // two columns of three fewer
  writeFileText(screens / "shade.json", barScreen(4, "#030303"));
  writeFileText(screens / "new.json", barScreen(5));
  writeFileText(screens / "broken.json", R"({"width": 40,)");
  const auto check = [&](std::vector<std::string> more) {
    std::vector<std::string> args = {"check",       screens.string(), "--references",
                                     refs.string(), "--junit",        (dir / "junit.xml").string()};
    args.insert(args.end(), more.begin(), more.end());
    return runPanel(args);
  };

  const PanelRun first = check({"--jobs", "1"});
  EXPECT_EQ(first.exitCode, 2) << first.out << first.err;
  EXPECT_EQ(lineOf(first.out, "same"), "ok           same");
  EXPECT_NE(lineOf(first.out, "narrow")
                .find("differs      narrow: 6 of 1200 pixels differ, inside the box (6,2)-(7,4)"),
            std::string::npos)
      << first.out;
  EXPECT_EQ(lineOf(first.out, "new").rfind("no reference new: ", 0), 0u) << first.out;
  EXPECT_NE(lineOf(first.out, "broken").find("not valid JSON"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("5 screens: 1 ok, 2 differ, 1 without a reference, 1 with errors"),
            std::string::npos)
      << first.out;
  const std::string xml = fileText(dir / "junit.xml");
  EXPECT_EQ(occurrences(xml, "<testcase "), 5u);
  EXPECT_NE(xml.find("failures=\"3\" errors=\"1\""), std::string::npos) << xml;

  // Reference, picture and difference side by side, the changed box outlined on each.
  cairo_surface_t* sheet = cairo_image_surface_create_from_png((refs / "narrow.diff.png").c_str());
  ASSERT_EQ(cairo_surface_status(sheet), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(sheet), 3 * 40 + 2 * 8);
  const auto at = [&](int x, int y) {
    const unsigned char* row =
        cairo_image_surface_get_data(sheet) + y * cairo_image_surface_get_stride(sheet);
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  };
  EXPECT_EQ(at(2 * 48 + 6, 3), 0xFF0000u) << "a changed pixel in the difference";
  for (int cell = 0; cell < 3; ++cell) EXPECT_EQ(at(cell * 48 + 6, 0), 0xFF00FFu) << cell;
  cairo_surface_destroy(sheet);

  fs::remove(screens / "broken.json");
  const PanelRun tolerant = check({"--colour-tolerance", "3", "--tolerance", "6"});
  EXPECT_EQ(tolerant.exitCode, 5) << tolerant.out;  // new still has no reference
  EXPECT_EQ(lineOf(tolerant.out, "shade"), "ok           shade");
  EXPECT_EQ(lineOf(tolerant.out, "narrow"), "ok           narrow");
  EXPECT_FALSE(fs::exists(refs / "narrow.diff.png")) << "a stale difference picture stays";

  const std::string same = fileText(refs / "same.png");
  const PanelRun update = check({"--update"});
  EXPECT_EQ(update.exitCode, 0) << update.out;
  for (const char* name : {"narrow", "shade", "new"})
    EXPECT_NE(lineOf(update.out, name).find("wrote " + (refs / name).string() + ".png"),
              std::string::npos)
        << update.out;
  EXPECT_EQ(lineOf(update.out, "same"), "ok           same");
  EXPECT_EQ(fileText(refs / "same.png"), same);
  EXPECT_EQ(check({}).exitCode, 0);
}

TEST(PanelCheck, RefusesWhatItCannotCheck) {
  const fs::path dir = configTestDir();
  writeFileText(dir / "a.json", barScreen(4));
  fs::create_directories(dir / "other");
  writeFileText(dir / "other" / "a.json", barScreen(4));
  const struct {
    std::vector<std::string> args;
    std::string mention;
  } cases[] = {
      {{"check", (dir / "a.json").string()}, "--references"},
      {{"check", "--references", dir.string()}, "screen files or folders"},
      {{"check", (dir / "nope").string(), "--references", dir.string()}, "neither"},
      {{"check", dir.string(), (dir / "other").string(), "--references", dir.string()},
       "two screens are named a"},
      {{"check", dir.string(), "--references", dir.string(), "--colour-tolerance", "256"},
       "0 to 255"},
      {{"check", dir.string(), "--references", dir.string(), "--jobs", "0"}, "--jobs"},
  };
  for (const auto& c : cases) {
    const PanelRun run = runPanel(c.args);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(c.args);
    EXPECT_NE(run.err.find(c.mention), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace zelmo::test
