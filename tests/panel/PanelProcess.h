// Running zelmo-panel as a subprocess in a folder of its own per test case, and reading back what
// it wrote.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ConfigFiles.h"

namespace zelmo::test {

using Json = nlohmann::ordered_json;

struct PanelRun {
  int exitCode = -1;
  std::string out, err;
};

inline std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The command that starts zelmo-panel: through the emulator when it was built for another
// processor (its words are the build's own and need no quoting).
inline std::string panelCommand() {
  const std::string emulator = ZELMO_EMULATOR;
  return (emulator.empty() ? "" : emulator + " ") + quoted(ZELMO_PANEL_PATH);
}

// `prefix` goes before the command (environment settings).
inline PanelRun runPanel(const std::vector<std::string>& args, const std::string& prefix = "") {
  const fs::path dir = configTestDir();
  std::string command = prefix + panelCommand();
  for (const std::string& arg : args) command.append(" ").append(quoted(arg));
  command += " >" + quoted((dir / "stdout").string()) + " 2>" + quoted((dir / "stderr").string());
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileText(dir / "stdout"),
          fileText(dir / "stderr")};
}

inline std::vector<Json> traceOf(const fs::path& path) {
  std::vector<Json> calls;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) calls.push_back(Json::parse(line));
  return calls;
}

// Writes `screen` to screen.json and renders it to out.png with trace.jsonl beside it.
struct ScreenRun : PanelRun {
  fs::path png, trace;
};

inline ScreenRun renderScreen(const std::string& screen, std::vector<std::string> extra = {},
                              const std::string& prefix = "") {
  const fs::path dir = configTestDir();
  writeFileText(dir / "screen.json", screen);
  ScreenRun run;
  run.png = dir / "out.png";
  run.trace = dir / "trace.jsonl";
  std::vector<std::string> args = {(dir / "screen.json").string(), "-o", run.png.string(),
                                   "--trace", run.trace.string()};
  args.insert(args.end(), extra.begin(), extra.end());
  static_cast<PanelRun&>(run) = runPanel(args, prefix);
  return run;
}

}  // namespace zelmo::test
