// The screen schema: the checked-in copy is current, and a real validator agrees with the panel
// on the example screens, on hostile but valid screens and on broken ones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "panel/PanelProcess.h"
#include "panel/ScreenSchema.h"
#include "vm/ManagedLibrary.h"
#include "vm/Vm.h"

namespace zelmo::test {
namespace {

std::string schemaText() {
  vm::Vm vm;
  vm::defineManagedLibrary(vm);
  return panel::screenSchema(vm).dump(1) + "\n";
}

TEST(ScreenSchema, CheckedInCopyIsUpToDate) {
  EXPECT_TRUE(fileText(ZELMO_SOURCE_DIR "/docs/screen.schema.json") == schemaText())
      << "docs/screen.schema.json is out of date; rewrite it with: cmake --build --preset "
         "default --target screen-schema";
}

std::string withCanvas(const std::string& calls) {
  return R"({"width": 40, "height": 30, "objects": [
      {"id": "c", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0}}],
    "calls": [)" +
         calls + "]}";
}

TEST(ScreenSchema, AValidatorAgreesWithThePanel) {
  const struct {
    std::string screen;
    bool valid;
  } cases[] = {
      {R"({"width": 1, "height": 1})", true},
      {withCanvas(R"({"comment": "only a comment"},
          {"on": "c", "call": "drawLine(IIIIIIBI)V", "args": [0, 0, 9, 9, "#0000ff", 4294967295, 255, -1]},
          {"on": "c", "call": "setClip(IIII)V", "args": {"h": 4, "w": 3, "y": 2, "x": 1}},
          {"on": "c", "call": "nativeDrawFloat(FIIIZIIIIIII)V",
           "args": ["NaN", 3, 0, 0, false, 0, "none", 0, 1, 1, 30, 10]},
          {"on": "c", "call": "getClipBounds()Luxclasses/graphics/CuxArea;", "result": "area"},
          {"class": "uxclasses/graphics/CuxCanvas", "call": "resetTransform()V", "args": {}})"),
       true},
      {R"({"width": 9, "height": 9, "statics": {"uxclasses/graphics/CuxCanvas": {"decimalSeparator": 44}},
          "objects": [{"id": "g", "class": "uxclasses/graphics/CuxComplexObj", "fields": {"children": {"ref": "all"}}},
                      {"id": "all", "CuxGraphics[]": [{"ref": "g"}, null]},
                      {"id": "names", "String[]": ["a", null]}]})",
       true},
      {R"({"width": 4, "height": 4, "widht": 4})", false},
      {R"({"width": 4, "height": 4, "background": "#12345"})", false},
      {R"({"width": 4, "height": 4, "layers": 17})", false},
      {R"({"width": 4, "height": 4, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxCircle"}]})",
       false},
      {R"({"width": 4, "height": 4, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x3": 1}}]})",
       false},
      {R"({"width": 4, "height": 4, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x1": "abc"}}]})",
       false},
      {R"({"width": 4, "height": 4, "statics": {"uxclasses/graphics/CuxCanvas": {"thousands": ","}}})",
       false},
      {withCanvas(
           R"({"on": "c", "call": "fillRect(IIIIIIBI)V", "args": [0, 0, 4, 4, 1, 1, 300, 1]})"),
       false},
      {withCanvas(R"({"on": "c", "call": "drawRec(IIII)V", "args": [0, 0, 4, 4]})"), false},
      {withCanvas(R"({"on": "c", "call": "setClip(IIII)V", "args": [1, 2, 3]})"), false},
      {withCanvas(
           R"({"on": "c", "call": "setClip(IIII)V", "args": {"x": 1, "y": 2, "width": 3, "h": 4}})"),
       false},
      {withCanvas(R"({"on": "c", "call": "setClip(IIII)V"})"), false},
  };
  const fs::path dir = configTestDir();
  writeFileText(dir / "screen.schema.json", schemaText());
  // Debian's own Python, which scripts/install-deps.sh gives python3-jsonschema; another python3
  // earlier on PATH may lack the module.
  const std::string python = fs::exists("/usr/bin/python3") ? "/usr/bin/python3 " : "python3 ";
  std::string command = python + quoted(ZELMO_SOURCE_DIR "/tests/support/validate_screens.py") +
                        " " + quoted((dir / "screen.schema.json").string());
  std::vector<std::string> files;
  for (size_t i = 0; i < std::size(cases); ++i) {
    const fs::path file = dir / ("case" + std::to_string(i) + ".json");
    writeFileText(file, cases[i].screen);
    // The panel's own verdict on each case, so that the schema is held to what the panel does.
    const PanelRun run = runPanel({file.string(), "-o", (dir / "out.png").string()});
    EXPECT_EQ(run.exitCode, cases[i].valid ? 0 : 2) << cases[i].screen << "\n" << run.err;
    files.push_back(file.string());
  }
  for (const auto& entry : fs::directory_iterator(ZELMO_SOURCE_DIR "/examples/screens"))
    if (entry.path().extension() == ".json") files.push_back(entry.path().string());
  for (const std::string& file : files) command += " " + quoted(file);
  command += " >" + quoted((dir / "verdicts").string());
  ASSERT_EQ(std::system(command.c_str()), 0) << "the validator failed: " << command;

  std::istringstream verdicts(fileText(dir / "verdicts"));
  std::string verdict;
  for (size_t i = 0; i < files.size(); ++i) {
    ASSERT_TRUE(std::getline(verdicts, verdict)) << "no verdict for " << files[i];
    const bool valid = i >= std::size(cases) || cases[i].valid;
    EXPECT_EQ(verdict == "valid", valid)
        << (i < std::size(cases) ? cases[i].screen : files[i]) << "\n"
        << verdict;
  }
}

}  // namespace
}  // namespace zelmo::test
