// zelmo-panel's configuration store (--config) and system languages ("systemLanguages"), run as
// a subprocess.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ConfigFiles.h"

namespace zelmo::test {
namespace {

struct PanelResult {
  int exitCode = -1;
  std::string err;
  std::vector<nlohmann::json> trace;
};

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Renders `screen` with a trace; `prefix` goes before the command (environment settings).
PanelResult render(const std::string& screen, const std::vector<std::string>& extra,
                   const std::string& prefix = "") {
  const fs::path dir = configTestDir();
  writeFileText(dir / "screen.json", screen);
  std::string command =
      prefix + quoted(ZELMO_PANEL_PATH) + " " + quoted((dir / "screen.json").string()) + " -o " +
      quoted((dir / "out.png").string()) + " --trace " + quoted((dir / "trace.jsonl").string());
  for (const std::string& arg : extra) command.append(" ").append(quoted(arg));
  const int status = std::system((command + " 2>" + quoted((dir / "stderr").string())).c_str());
  PanelResult run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = fileText(dir / "stderr");
  std::istringstream lines(fileText(dir / "trace.jsonl"));
  for (std::string line; std::getline(lines, line);)
    run.trace.push_back(nlohmann::json::parse(line));
  return run;
}

// Writes language number 0 (when `value` is given), reads it back and draws a rectangle whose
// x1 is what was read, so the trace shows it.
std::string numberScreen(const std::string& value, const std::string& more = "") {
  std::string calls;
  if (!value.empty())
    calls += R"({"on": "mgr", "call": "setUserApplicationLanguageNum(II)Z", "args": [0, )" + value +
             R"(], "result": "written"},)";
  return R"({"width": 20, "height": 20)" + more + R"(, "objects": [
      {"id": "mgr", "class": "uxclasses/baseclasses/CuxLanguageMgr"},
      {"id": "c", "class": "uxclasses/graphics/CuxCanvas"}],
    "calls": [)" +
         calls + R"(
      {"on": "mgr", "call": "getUserApplicationLanguageNum(I)I", "args": [0], "result": "n"},
      {"on": "c", "call": "drawRect(IIII)V", "args": [{"ref": "n"}, 0, 4, 4]}]})";
}

int drawnX(const PanelResult& run) {
  for (const auto& call : run.trace)
    if (call["fn"] == "osGXdrawRectangle") return call["x1"].get<int>();
  ADD_FAILURE() << "no rectangle drawn";
  return -1;
}

TEST(PanelConfig, AConfigFileIsCreatedWrittenAndReadAgain) {
  const fs::path config = configTestDir() / "panel.ini";
  const PanelResult first = render(numberScreen("7"), {"--config", config.string()});
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(drawnX(first), 7);
  EXPECT_EQ(fileText(config), "[Language]\nUserApplicationLanguageNum0 = 7\n");
  const PanelResult second = render(numberScreen(""), {"--config", config.string()});
  EXPECT_EQ(drawnX(second), 7);
}

TEST(PanelConfig, WithoutTheOptionTheStoreIsTemporaryAndEmpty) {
  const fs::path tmp = configTestDir() / "tmp";
  fs::create_directory(tmp);
  const PanelResult written = render(numberScreen("9"), {}, "TMPDIR=" + quoted(tmp.string()) + " ");
  EXPECT_EQ(written.exitCode, 0) << written.err;
  EXPECT_EQ(drawnX(written), 9);
  EXPECT_TRUE(fs::is_empty(tmp)) << "the temporary store is removed at exit";
  const PanelResult again = render(numberScreen(""), {}, "TMPDIR=" + quoted(tmp.string()) + " ");
  EXPECT_EQ(drawnX(again), 0);
}

TEST(PanelConfig, AnUnreadableConfigIsReportedOnceAndTheRunGoesOn) {
  const fs::path config = configTestDir() / "a-folder.ini";
  fs::create_directory(config);
  const PanelResult run = render(numberScreen("7"), {"--config", config.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(drawnX(run), 0);
  const size_t first = run.err.find(config.string());
  ASSERT_NE(first, std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(config.string(), first + 1), std::string::npos) << run.err;
}

TEST(PanelConfig, MalformedSystemLanguagesNameTheKeyAndExitWith2) {
  for (const char* languages :
       {R"("de")", R"(["de", 3])", R"(["a", "b", "c", "d", "e", "f", "g", "h", "i", "j"])",
        R"(["abcdefghijklmnop"])"}) {
    const PanelResult run =
        render(numberScreen("", std::string(R"(, "systemLanguages": )") + languages), {});
    EXPECT_EQ(run.exitCode, 2) << languages;
    EXPECT_NE(run.err.find("systemLanguages"), std::string::npos) << run.err;
  }
  const PanelResult fine = render(numberScreen("", R"(, "systemLanguages": ["de", "", "en"])"), {});
  EXPECT_EQ(fine.exitCode, 0) << fine.err;
}

// The screen's system languages reach managed code through the native, which the trace shows.
TEST(PanelConfig, SystemLanguagesOfTheScreenAreHandedToManagedCode) {
  const PanelResult run = render(R"({"width": 8, "height": 8, "systemLanguages": ["de", "", "en"],
      "objects": [{"id": "mgr", "class": "uxclasses/baseclasses/CuxLanguageMgr"}],
      "calls": [{"on": "mgr", "call": "initSystemLanguagesFromConfig()V"}]})",
                                 {});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<nlohmann::json> upcalls;
  for (const auto& line : run.trace)
    if (line.contains("upcall")) upcalls.push_back(line);
  ASSERT_EQ(upcalls.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(upcalls[i]["upcall"], "addSystemLanguageFromNative(I)V");
    EXPECT_EQ(upcalls[i]["on"], "mgr");
    EXPECT_EQ(upcalls[i]["virtual"], true);
    EXPECT_EQ(upcalls[i]["args"], nlohmann::json::array({i == 0 ? 0 : 2}));
  }
}

// The example draws only what it read back: every name and number shows in the trace.
TEST(PanelConfig, TheLanguageSettingsExampleShowsWhatItReadBack) {
  const PanelResult run =
      render(fileText(ZELMO_SOURCE_DIR "/examples/screens/language-settings.json"), {});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> drawn;
  for (const auto& call : run.trace)
    if (call.contains("chars")) drawn.push_back(call["chars"].get<std::string>());
  for (const char* text : {"English", "Deutsch", "Fran\u00e7ais", "Espa\u00f1ol", "Italiano",
                           "Nederlands", "44", "49", "33", "34", "39", "31", "6"})
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), text), drawn.end()) << text;
}

}  // namespace
}  // namespace zelmo::test
