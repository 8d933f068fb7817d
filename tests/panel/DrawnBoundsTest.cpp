// Every pixel a drawing-service call changes lies inside the bounds its trace line reports, for
// every call of every example screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gx/PixelChanges.h"
#include "gx/RasterBackend.h"
#include "gx/Recorder.h"
#include "panel/Runner.h"
#include "panel/Screen.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> exampleScreens() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(ZELMO_SOURCE_DIR) / "examples/screens"))
    if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class DrawnBoundsTest : public ModuleTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(DrawnBoundsTest, EveryChangedPixelLiesInsideTheReportedBounds) {
  const panel::Screen screen =
      panel::readScreen(ZELMO_SOURCE_DIR "/examples/screens/" + GetParam() + ".json");
  gx::RasterBackend raster(screen.width, screen.height, screen.layers, screen.background);
  gx::Recorder traced(&raster);
  gx::installService(&traced);
  gx::PixelChanges changes(raster);
  size_t drawing = 0;
  traced.afterDrawing([&](const gx::Json& line) {
    ++drawing;
    const gx::PixelChanges::Changes changed = changes.sinceLastLook();
    if (!changed.box) return;
    const std::string what = "call " + line["call"].dump() + " " + gx::Recorder::describe(line);
    ASSERT_TRUE(line["bounds"].is_object()) << what << " changed pixels but reports none";
    const gx::Json& b = line["bounds"];
    const gx::PixelBox& c = *changed.box;
    for (int32_t y = c.y1; y <= c.y2; ++y) {
      for (int32_t x = c.x1; x <= c.x2; ++x) {
        const bool inside = x >= b["x1"] && x <= b["x2"] && y >= b["y1"] && y <= b["y2"];
        ASSERT_TRUE(inside || !changed.changed(x, y))
            << what << " changed pixel (" << x << ", " << y << ") outside bounds " << b.dump();
      }
    }
  });
  panel::Bindings names;
  panel::buildObjects(vm, screen.objects, names);
  panel::applyStatics(vm, screen.statics, names);
  panel::CallHooks hooks;
  hooks.before = [&](size_t index) { traced.setCall(index); };
  panel::runCalls(vm, screen.calls, names, {}, hooks);

  EXPECT_GT(drawing, 10u);
  for (const gx::Json& line : traced.calls()) ASSERT_TRUE(line["call"].is_number()) << line.dump();
}

INSTANTIATE_TEST_SUITE_P(ExampleScreens, DrawnBoundsTest, ::testing::ValuesIn(exampleScreens()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace zelmo::test
