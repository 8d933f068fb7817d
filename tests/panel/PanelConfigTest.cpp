// zelmo-panel's configuration store (--config) and system languages ("systemLanguages"), run as
// a subprocess.
#include <algorithm>
#include <string>
#include <vector>

#include "panel/PanelProcess.h"

namespace zelmo::test {
namespace {

// Writes language number 0 (when `value` is given), reads it back and draws a rectangle whose
// x1 is what was read, so the trace shows it.
std::string numberScreen(const std::string& value) {
  std::string calls;
  if (!value.empty())
    calls += R"({"on": "mgr", "call": "setUserApplicationLanguageNum(II)Z", "args": [0, )" + value +
             R"(], "result": "written"},)";
  return R"({"width": 20, "height": 20, "objects": [
      {"id": "mgr", "class": "uxclasses/baseclasses/CuxLanguageMgr"},
      {"id": "c", "class": "uxclasses/graphics/CuxCanvas"}],
    "calls": [)" +
         calls + R"(
      {"on": "mgr", "call": "getUserApplicationLanguageNum(I)I", "args": [0], "result": "n"},
      {"on": "c", "call": "drawRect(IIII)V", "args": [{"ref": "n"}, 0, 4, 4]}]})";
}

int drawnX(const ScreenRun& run) {
  for (const Json& call : traceOf(run.trace))
    if (call["fn"] == "osGXdrawRectangle") return call["x1"].get<int>();
  ADD_FAILURE() << "no rectangle drawn";
  return -1;
}

TEST(PanelConfig, AConfigFileIsCreatedWrittenAndReadAgain) {
  const fs::path config = configTestDir() / "panel.ini";
  const ScreenRun first = renderScreen(numberScreen("7"), {"--config", config.string()});
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(drawnX(first), 7);
  EXPECT_EQ(fileText(config), "[Language]\nUserApplicationLanguageNum0 = 7\n");
  const ScreenRun second = renderScreen(numberScreen(""), {"--config", config.string()});
  EXPECT_EQ(drawnX(second), 7);
}

TEST(PanelConfig, WithoutTheOptionTheStoreIsTemporaryAndEmpty) {
  const fs::path tmp = configTestDir() / "tmp";
  fs::create_directory(tmp);
  const ScreenRun written =
      renderScreen(numberScreen("9"), {}, "TMPDIR=" + quoted(tmp.string()) + " ");
  EXPECT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(drawnX(written), 9);
  EXPECT_TRUE(fs::is_empty(tmp)) << "the temporary store is removed at exit";
  const ScreenRun again =
      renderScreen(numberScreen(""), {}, "TMPDIR=" + quoted(tmp.string()) + " ");
  EXPECT_EQ(drawnX(again), 0);
}

TEST(PanelConfig, AnUnreadableConfigIsReportedOnceAndTheRunGoesOn) {
  const fs::path config = configTestDir() / "a-folder.ini";
  fs::create_directory(config);
  const ScreenRun run = renderScreen(numberScreen("7"), {"--config", config.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(drawnX(run), 0);
  const size_t first = run.err.find(config.string());
  ASSERT_NE(first, std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(config.string(), first + 1), std::string::npos) << run.err;
}

// The screen's system languages reach managed code through the native, which the trace shows.
TEST(PanelConfig, SystemLanguagesOfTheScreenAreHandedToManagedCode) {
  const ScreenRun run =
      renderScreen(R"({"width": 8, "height": 8, "systemLanguages": ["de", "", "en"],
      "objects": [{"id": "mgr", "class": "uxclasses/baseclasses/CuxLanguageMgr"}],
      "calls": [{"on": "mgr", "call": "initSystemLanguagesFromConfig()V"}]})",
                   {});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<Json> upcalls;
  for (const Json& line : traceOf(run.trace))
    if (line.contains("upcall")) upcalls.push_back(line);
  ASSERT_EQ(upcalls.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(upcalls[i]["upcall"], "addSystemLanguageFromNative(I)V");
    EXPECT_EQ(upcalls[i]["on"], "mgr");
    EXPECT_EQ(upcalls[i]["virtual"], true);
    EXPECT_EQ(upcalls[i]["args"], Json::array({i == 0 ? 0 : 2}));
  }
}

// The example draws only what it read back: every name and number shows in the trace.
TEST(PanelConfig, TheLanguageSettingsExampleShowsWhatItReadBack) {
  const ScreenRun run =
      renderScreen(fileText(ZELMO_SOURCE_DIR "/examples/screens/language-settings.json"), {});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> drawn;
  for (const Json& call : traceOf(run.trace))
    if (call.contains("chars")) drawn.push_back(call["chars"].get<std::string>());
  for (const char* text : {"English", "Deutsch", "Fran\u00e7ais", "Espa\u00f1ol", "Italiano",
                           "Nederlands", "44", "49", "33", "34", "39", "31", "6"})
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), text), drawn.end()) << text;
}

}  // namespace
}  // namespace zelmo::test
