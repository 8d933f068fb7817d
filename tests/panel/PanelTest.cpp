// zelmo-panel end to end: run as a subprocess on screen files, then read back its PNG, trace,
// messages and exit code.
#include <cairo.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct PanelRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// A directory of its own per test case, emptied when the test case first asks for it.
fs::path workDir() {
  static std::string created;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  const fs::path dir = fs::path(ZELMO_BINARY_DIR) / "panel-tests" / name;
  if (created != name) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    created = name;
  }
  return dir;
}

PanelRun runPanel(const std::vector<std::string>& args) {
  const fs::path dir = workDir();
  std::string command = quoted(ZELMO_PANEL_PATH);
  for (const std::string& arg : args) command.append(" ").append(quoted(arg));
  command += " >" + quoted((dir / "stdout").string()) + " 2>" + quoted((dir / "stderr").string());
  const int status = std::system(command.c_str());
  PanelRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(dir / "stdout");
  run.err = readFile(dir / "stderr");
  return run;
}

// Writes `screen` to a file and renders it to out.png with a trace beside it.
struct ScreenRun : PanelRun {
  fs::path png;
  fs::path trace;
};

ScreenRun renderScreen(const std::string& screen) {
  const fs::path dir = workDir();
  std::ofstream(dir / "screen.json") << screen;
  ScreenRun run;
  run.png = dir / "out.png";
  run.trace = dir / "trace.jsonl";
  static_cast<PanelRun&>(run) = runPanel(
      {(dir / "screen.json").string(), "-o", run.png.string(), "--trace", run.trace.string()});
  return run;
}

std::vector<Json> traceOf(const fs::path& path) {
  std::vector<Json> calls;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) calls.push_back(Json::parse(line));
  return calls;
}

// A pixel a PNG written by the panel must have, as 0xRRGGBB (layer 0 is opaque).
struct Probe {
  int x, y;
  uint32_t rgb;
  const char* what;
};

// Reads the PNG back; checks its size when `width` is given, then each probe.
void expectPng(const fs::path& path, const std::vector<Probe>& probes, int width = 0,
               int height = 0) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << path;
  if (width) {
    EXPECT_EQ(cairo_image_surface_get_width(png), width);
    EXPECT_EQ(cairo_image_surface_get_height(png), height);
  }
  const unsigned char* data = cairo_image_surface_get_data(png);
  for (const Probe& p : probes) {
    ASSERT_NE(data, nullptr);
    const auto* row = data + p.y * cairo_image_surface_get_stride(png);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(row)[p.x] & 0xFFFFFF, p.rgb)
        << p.what << " at " << p.x << "," << p.y;
  }
  cairo_surface_destroy(png);
}

constexpr const char* kCanvasObject =
    R"({"id": "c", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0}})";

std::string screenWithCalls(const std::string& calls) {
  return std::string(R"({"width": 40, "height": 30, "objects": [)") + kCanvasObject +
         R"(, {"id": "xs", "int[]": [1, 2]}, {"id": "area", "class": "uxclasses/graphics/CuxArea"}],
           "calls": [)" +
         calls + "]}";
}

TEST(PanelCommandLine, BadCommandLinesPrintUsageAndExitWith2) {
  const std::vector<std::vector<std::string>> lines = {
      {}, {"screen.json"}, {"screen.json", "-o"}, {"--bogus"}, {"a.json", "b.json", "-o", "x.png"}};
  for (const auto& args : lines) {
    const PanelRun run = runPanel(args);
    EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
    EXPECT_NE(run.err.find("usage: zelmo-panel"), std::string::npos) << run.err;
  }
}

TEST(PanelCommandLine, HelpPrintsUsageAndSucceeds) {
  const PanelRun run = runPanel({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("--list-natives"), std::string::npos);
}

// A module that is missing or is no shared object is reported with its path, not crashed on.
TEST(PanelModule, MissingOrUnloadableModuleNamesThePathAndExitsWith3) {
  const fs::path fake = workDir() / "ZelmoGraphics.dlm", screen = workDir() / "screen.json";
  std::ofstream(fake) << "not a shared object";
  std::ofstream(screen) << R"({"width": 4, "height": 4})";
  for (const std::string& path : {std::string("/nonexistent/dir/ZelmoGraphics.dlm"), fake.string()})
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--list-natives", "--module", path},
             {screen.string(), "-o", (workDir() / "out.png").string(), "--module", path}}) {
      const PanelRun run = runPanel(args);
      EXPECT_EQ(run.exitCode, 3);
      EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    }
}

class PanelListNatives : public ModuleTest {};

TEST_F(PanelListNatives, PrintsEveryRegistrationInOrder) {
  std::string expected;
  for (const vm::NativeMethod& native : vm.natives())
    expected += native.className + " " + native.signature + "\n";
  const PanelRun run = runPanel({"--list-natives"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(run.out.find("uxclasses/graphics/CuxCanvas setClip(IIII)V\n"), std::string::npos);
}

// Each malformed screen stops with exit code 2 and a message naming the place: one row for each
// check the panel makes.
TEST(PanelScreenErrors, NameThePlaceAndExitWith2) {
  const struct {
    std::string screen;
    std::vector<std::string> mentions;
  } cases[] = {
      {R"({"width": 40,)", {"not valid JSON"}},
      {R"([1, 2])", {"must be a JSON object"}},
      {R"({"height": 30})", {"missing key \"width\""}},
      {R"({"width": 40, "height": 0})", {"\"height\"", "from 1"}},
      {R"({"width": 40, "height": 30, "background": "white"})", {"background", "white"}},
      {R"({"width": 40, "height": 30, "objcts": []})", {"unknown key \"objcts\""}},
      {R"({"width": 40, "height": 30, "objects": [{"class": "uxclasses/graphics/CuxArea"}]})",
       {"objects[0]", "\"id\""}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "x/Nope"}]})",
       {"objects[0] \"a\"", "x/Nope"}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x3": 1}}]})",
       {"objects[0] \"a\"", "field \"x3\""}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x1": "#12345"}}]})",
       {"objects[0] \"a\"", "field \"x1\"", "#12345"}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "String": "x"}, {"id": "a", "String": "y"}]})",
       {"objects[1] \"a\"", "twice"}},
      {R"({"width": 40, "height": 30, "statics": {"uxclasses/graphics/CuxCanvas": {"decimalSeparator": ".."}}})",
       {"uxclasses/graphics/CuxCanvas", "decimalSeparator", "one-character"}},
      {R"({"width": 40, "height": 30, "statics": {"uxclasses/graphics/CuxCanvas": {"thousands": ","}}})",
       {"uxclasses/graphics/CuxCanvas", "thousands"}},
      {screenWithCalls(R"({"on": "c", "args": []})"), {"calls[0]", "\"call\""}},
      {screenWithCalls(R"({"call": "resetTransform()V"})"), {"calls[0]", "\"on\"", "\"class\""}},
      {screenWithCalls(R"({"on": "nobody", "call": "setClip(IIII)V", "args": [1, 2, 3, 4]})"),
       {"calls[0]", "nobody"}},
      {screenWithCalls(R"({"on": "c", "call": "setClip(III)V", "args": [1, 2, 3]})"),
       {"calls[0]", "setClip(III)V", "setClip(IIII)V"}},
      {screenWithCalls(R"({"on": "xs", "call": "setClip(IIII)V", "args": [1, 2, 3, 4]})"),
       {"calls[0]", "setClip(IIII)V"}},
      {screenWithCalls(R"({"on": "c", "call": "setClip(IIII)V", "args": [1, 2, 3]})"),
       {"calls[0] setClip(IIII)V", "4 arguments, got 3"}},
      {screenWithCalls(R"({"on": "c", "call": "setClip(IIII)V", "args": [1, 2, 3, 4.5]})"),
       {"calls[0] setClip(IIII)V", "argument 4", "4.5"}},
      {screenWithCalls(
           R"({"class": "uxclasses/graphics/CuxCanvas", "call": "setTransform(IIFF)V", "args": [1, 2, "x", 1]})"),
       {"calls[0] setTransform(IIFF)V", "argument 3"}},
      {screenWithCalls(
           R"({"on": "c", "call": "getClipBounds(Luxclasses/graphics/CuxArea;)Z", "args": [{"ref": "xs"}]})"),
       {"calls[0]", "argument 1", "\"xs\"", "[I"}},
      {screenWithCalls(R"({"on": "c", "call": "removeClipArea()V", "result": "r"})"),
       {"calls[0] removeClipArea()V", "returns nothing"}},
      {screenWithCalls(
           R"({"on": "c", "call": "getClipBounds()Luxclasses/graphics/CuxArea;", "result": "c.color"})"),
       {"calls[0]", "result", "color"}},
      {screenWithCalls(
           R"({"on": "c", "call": "removeClipArea()V"}, {"on": "c", "call": "setClip(IIII)V", "args": [1, 2, 3, 4], "color": 1})"),
       {"calls[1] setClip(IIII)V", "unknown key \"color\""}},
  };
  for (const auto& c : cases) {
    const ScreenRun run = renderScreen(c.screen);
    EXPECT_EQ(run.exitCode, 2) << c.screen << "\n" << run.err;
    for (const std::string& mention : c.mentions)
      EXPECT_NE(run.err.find(mention), std::string::npos)
          << "missing \"" << mention << "\" in: " << run.err;
    EXPECT_FALSE(fs::exists(run.png)) << c.screen;
  }
}

TEST(PanelScreenErrors, UnwritableOutputExitsWith4) {
  const fs::path dir = workDir();
  std::ofstream(dir / "screen.json") << R"({"width": 4, "height": 4})";
  const PanelRun run =
      runPanel({(dir / "screen.json").string(), "-o", (dir / "no/such/dir/out.png").string()});
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_NE(run.err.find("no/such/dir/out.png"), std::string::npos) << run.err;
}

// A call's result can be kept under an id or in a field and fed to later calls.
TEST(PanelCalls, ResultsFeedLaterCalls) {
  const ScreenRun run = renderScreen(screenWithCalls(R"(
      {"on": "c", "call": "setClip(IIII)V", "args": [2, 3, 10, 10]},
      {"on": "c", "call": "getClipBounds(Luxclasses/graphics/CuxArea;)Z", "args": [{"ref": "area"}],
       "result": "found"},
      {"on": "c", "call": "getClipBounds(Luxclasses/graphics/CuxArea;)Z", "args": [{"ref": "area"}],
       "result": "c.layer"},
      {"on": "c", "call": "setClip(IIII)V", "args": [{"ref": "found"}, 0, 5, 5]},
      {"on": "c", "call": "getClipBounds()Luxclasses/graphics/CuxArea;", "result": "copy"},
      {"on": "c", "call": "getClipBounds(Luxclasses/graphics/CuxArea;)Z", "args": [{"ref": "copy"}]})"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> clips;
  for (const Json& call : traceOf(run.trace))
    if (call["fn"] == "osGXsetClipArea") clips.push_back(call.dump());
  EXPECT_EQ(clips,
            (std::vector<std::string>{
                R"({"fn":"osGXsetClipArea","call":0,"x1":2,"y1":3,"x2":11,"y2":12,"layer":0})",
                R"({"fn":"osGXsetClipArea","call":3,"x1":1,"y1":0,"x2":5,"y2":4,"layer":1})"}));
}

// Colours, "none", signed bytes and inline arrays reach the natives as the managed side
// would pass them.
TEST(PanelCalls, ValuesFollowTheScreenConventions) {
  const ScreenRun run = renderScreen(R"({"width": 40, "height": 30, "objects": [
      {"id": "pen", "class": "uxclasses/graphics/CuxCanvas",
       "fields": {"color": "none", "backColor": "#123456", "lineWidth": 2, "lineStyle": 3}}],
    "calls": [
      {"on": "pen", "call": "drawRect(IIII)V", "args": [1, 2, 3, 4]},
      {"on": "pen", "call": "drawLine(IIIIIIBI)V", "args": [0, 0, 9, 9, "#0000ff", 4294967295, -1, 1]},
      {"on": "pen", "call": "fillPolygonWithBorder([IIIIIIII)V",
       "args": [[1, 1, 8, 1, 4, 6], 3, "#FF0000", "none", 1, "#00FF00", 1, 1]}]})");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> lines;
  for (const Json& call : traceOf(run.trace)) lines.push_back(call.dump());
  EXPECT_EQ(
      lines,
      (std::vector<std::string>{
          R"({"fn":"osGXdrawRectangle","call":0,"x1":1,"y1":2,"x2":3,"y2":5,"lineWidth":2,"lineStyle":3,)"
          R"("color":2147483648,"backColor":1193046,"rounded":0,"radiusX":0,"radiusY":0,"bounds":null})",
          R"({"fn":"osGXdrawLine","call":1,"x1":0,"y1":0,"x2":9,"y2":9,"lineWidth":1,"lineStyle":65535,)"
          R"("color":255,"backColor":4294967295,"lineEnd":0,"bounds":{"x1":0,"y1":0,"x2":10,"y2":10}})",
          R"({"fn":"osGXfillPolygon","call":2,"count":3,"points":[[1,1],[8,1],[4,6]],"fillColor":16711680,)"
          R"("backColor":2147483648,"fillPattern":1,"fillFlag":true,"bounds":{"x1":0,"y1":1,"x2":9,"y2":7}})",
          R"({"fn":"osGXdrawPolygon","call":2,"count":3,"points":[[1,1],[8,1],[4,6]],"lineWidth":1,)"
          R"("color":65280,"backColor":2147483648,"lineStyle":1,"bounds":{"x1":0,"y1":1,"x2":9,"y2":7}})"}));
}

// Naming the class instead of a receiver pushes no `this`: the native must see null, not the
// receiver a previous call left on the stack.
TEST(PanelCalls, InstanceNativeCalledThroughItsClassSeesNoReceiver) {
  const ScreenRun run = renderScreen(screenWithCalls(R"(
      {"on": "c", "call": "drawRect(IIII)V", "args": [1, 1, 5, 5]},
      {"class": "uxclasses/graphics/CuxCanvas", "call": "drawRect(IIII)V", "args": [2, 2, 5, 5]})"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<Json> calls = traceOf(run.trace);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0]["x1"], 1);
}

// JSON has no NaN or infinities; a screen names them as strings, as managed code may pass them.
TEST(PanelCalls, FloatArgumentsMayBeNaNOrInfinite) {
  const auto drawFloat = [](const std::string& value) {
    return R"({"on": "c", "call": "nativeDrawFloat(FIIIZIIIIIII)V",
               "args": [)" +
           value + R"(, 3, 0, 0, false, 0, 0, 0, 1, 1, 30, 10]})";
  };
  const ScreenRun run = renderScreen(screenWithCalls(
      drawFloat("\"NaN\"") + "," + drawFloat("\"Infinity\"") + "," + drawFloat("\"-Infinity\"")));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> texts;
  for (const Json& call : traceOf(run.trace))
    if (call["fn"] == "osGXsimpleText") texts.push_back(call["chars"]);
  EXPECT_EQ(texts, (std::vector<std::string>{"nan", "inf", "-inf"}));

  const ScreenRun lower = renderScreen(screenWithCalls(drawFloat("\"nan\"")));
  EXPECT_EQ(lower.exitCode, 2);
  EXPECT_NE(lower.err.find("\"NaN\""), std::string::npos) << lower.err;
}

TEST(PanelCompare, CountsDifferingPixelsAndMarksThemAboveTheTolerance) {
  const fs::path dir = workDir();
  const auto screen = [](int w) {
    return R"({"width": 40, "height": 30, "objects": [{"id": "c", "class": "uxclasses/graphics/CuxCanvas",
              "fields": {"layer": 0, "color": "#000000", "fillPattern": 1}}],
              "calls": [{"on": "c", "call": "fillRect(IIII)V", "args": [2, 2, )" +
           std::to_string(w) + ", 3]}]}";
  };
  std::ofstream(dir / "reference.json") << screen(4);
  std::ofstream(dir / "changed.json") << screen(6);
  const std::string reference = (dir / "reference.png").string();
  ASSERT_EQ(runPanel({(dir / "reference.json").string(), "-o", reference}).exitCode, 0);

  const std::string same = (dir / "same.png").string();
  EXPECT_EQ(
      runPanel({(dir / "reference.json").string(), "-o", same, "--compare", reference}).exitCode,
      0);
  EXPECT_FALSE(fs::exists(dir / "same.diff.png"));

  // Two columns of three pixels more: six differ.
  const std::string changed = (dir / "changed.png").string();
  const PanelRun differs =
      runPanel({(dir / "changed.json").string(), "-o", changed, "--compare", reference});
  EXPECT_EQ(differs.exitCode, 5);
  EXPECT_NE(differs.err.find("6 of 1200 pixels differ"), std::string::npos) << differs.err;
  expectPng(dir / "changed.diff.png",
            {{6, 3, 0xFF0000, "a new pixel"}, {30, 20, 0xFFFFFF, "white, unchanged"}});

  EXPECT_EQ(runPanel({(dir / "changed.json").string(), "-o", changed, "--compare", reference,
                      "--tolerance", "6"})
                .exitCode,
            0);
  const PanelRun missing = runPanel(
      {(dir / "changed.json").string(), "-o", changed, "--compare", (dir / "nope.png").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("nope.png"), std::string::npos) << missing.err;
}

// Every example screen still looks as its reference picture does.
TEST(PanelExamples, MatchTheirReferencePictures) {
  const fs::path examples = fs::path(ZELMO_SOURCE_DIR) / "examples";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(examples / "screens")) {
    if (entry.path().extension() != ".json") continue;
    const fs::path reference = examples / "reference" / (entry.path().stem().string() + ".png");
    ASSERT_TRUE(fs::exists(reference)) << "no reference picture for " << entry.path();
    const fs::path out = workDir() / (entry.path().stem().string() + ".png");
    const PanelRun run =
        runPanel({entry.path().string(), "-o", out.string(), "--compare", reference.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

// The example screen, rendered afresh by each test case (each runs in a process of its own).
class PanelExample : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path dir = workDir();
    png_ = dir / "pump-station.png";
    trace_ = dir / "pump-station.jsonl";
    run_ = runPanel({ZELMO_SOURCE_DIR "/examples/screens/pump-station.json", "-o", png_.string(),
                     "--trace", trace_.string()});
  }
  PanelRun run_;
  fs::path png_;
  fs::path trace_;
};

TEST_F(PanelExample, RendersTheScreenAndTracesEveryDrawingCall) {
  ASSERT_EQ(run_.exitCode, 0) << run_.err;
  const std::vector<Json> calls = traceOf(trace_);
  ASSERT_FALSE(calls.empty());
  // The title bar comes first: corner and size become inclusive corners, colours unsigned.
  EXPECT_EQ(calls.front().dump(),
            R"({"fn":"osGXfillRectangle","call":0,"x1":0,"y1":0,"x2":799,"y2":43,"lineWidth":1,)"
            R"("fillColor":2046559,"fillPattern":1,"backColor":2046559,"rounded":0,)"
            R"("radiusX":0,"radiusY":0,"bounds":{"x1":0,"y1":0,"x2":799,"y2":43}})");
  std::set<std::string> functions;
  std::vector<std::string> clips;
  for (const Json& call : calls) {
    functions.insert(call["fn"].get<std::string>());
    if (call["fn"] == "osGXsetClipArea") clips.push_back(call.dump());
    if (call["fn"] == "osGXdrawBezierLine") {
      EXPECT_EQ(call["points"].dump(), "[[110,330],[110,398],[530,398],[530,330]]");
    }
    // Translated in place by the screen's transform (672, 250) before drawing.
    if (call["fn"] == "osGXdrawPolyline" && call["count"] == 9) {
      EXPECT_EQ(call["points"][0].dump(), "[662,320]");
    }
  }
  for (const char* fn :
       {"osGXfillRectangle", "osGXdrawRectangle", "osGXdrawLine", "osGXdrawPolyline",
        "osGXdrawBezierLine", "osGXfillPolygon", "osGXdrawPolygon", "osGXfillTriangle",
        "osGXdrawTriangle", "osGXfillEllipse", "osGXdrawEllipse", "osGXsetClipArea",
        "osGXremoveClipArea"})
    EXPECT_TRUE(functions.count(fn)) << fn;
  EXPECT_EQ(
      clips,
      (std::vector<std::string>{
          R"({"fn":"osGXsetClipArea","call":19,"x1":50,"y1":187,"x2":169,"y2":329,"layer":0})",
          R"({"fn":"osGXsetClipArea","call":29,"x1":470,"y1":253,"x2":589,"y2":329,"layer":0})",
          R"({"fn":"osGXsetClipArea","call":60,"x1":673,"y1":251,"x2":776,"y2":348,"layer":0})"}));
}

TEST_F(PanelExample, PixelsShowTheScreen) {
  ASSERT_EQ(run_.exitCode, 0) << run_.err;
  expectPng(png_,
            {
                {3, 240, 0xD5DBE1, "background"},
                {400, 20, 0x1F3A5F, "title bar"},
                {110, 185, 0xFFFFFF, "tank A above its clipped liquid"},
                {110, 190, 0x2E7DD7, "tank A liquid"},
                {310, 275, 0x3CB371, "pump body"},
                {305, 300, 0xFFFFFF, "pump arrow"},
                {410, 80, 0xE74C3C, "valve"},
                {30, 441, 0x2E86C1, "active button face"},
                {60, 415, 0x85C1E9, "active button light band"},
                {60, 468, 0x1B4F72, "active button shadow band"},
                {665, 317, 0xF4F6F8, "trend curve cut off outside its clip box"},
            },
            800, 480);
}

// The other example screens render without a complaint; the tank farm's fill levels stop on the
// line their percentage gives.
TEST(PanelExamples, TankFarmFillLinesSitWhereTheLevelsSay) {
  const fs::path png = workDir() / "tank-farm.png";
  const PanelRun run =
      runPanel({ZELMO_SOURCE_DIR "/examples/screens/tank-farm.json", "-o", png.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  expectPng(png, {
                     // Tank T1 (80..289, 72 % from the bottom): the liquid starts at row 139.
                     {90, 138, 0xEAF2F8, "T1 empty part just above the fill line"},
                     {90, 139, 0x2E86C1, "T1 liquid on the fill line"},
                     // Sphere T2 (96..221, 45 % from the bottom): the liquid starts at row 165.
                     {234, 164, 0xE9F7EF, "T2 empty part just above the fill line"},
                     {234, 166, 0x27AE60, "T2 liquid just below the fill line"},
                 });
}

TEST(PanelExamples, TextAndNumberScreensRender) {
  for (const char* screen : {"labels", "process-panel"}) {
    const fs::path png = workDir() / (std::string(screen) + ".png");
    const PanelRun run =
        runPanel({std::string(ZELMO_SOURCE_DIR "/examples/screens/") + screen + ".json", "-o",
                  png.string()});
    EXPECT_EQ(run.exitCode, 0) << screen << ": " << run.err;
    expectPng(png, {});
  }
}

// The list boxes draw over the canvas fills the screen puts under them: their outlines, rules and
// frames land where the row heights say, and the selected rows sit on their bars.
TEST(PanelExamples, AlarmListRowsSitOnTheirBarsAndRules) {
  const fs::path png = workDir() / "alarm-list.png";
  const PanelRun run =
      runPanel({ZELMO_SOURCE_DIR "/examples/screens/alarm-list.json", "-o", png.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  expectPng(png,
            {
                {510, 80, 0x2E5C8A, "alarm title bar"},
                {510, 125, 0xD5DBE3, "rule under the second alarm"},
                {510, 140, 0xFFFFFF, "an alarm row"},
                {510, 160, 0x1F5FA8, "bar under the selected alarm"},
                {20, 300, 0x33475B, "alarm list frame"},
                {770, 200, 0x1F5FA8, "bar under the selected recipe"},
            },
            800, 480);
}

// The gauges screen: the pressure needle turned to 6.4 bar (52.2 degrees) and the long tick of
// 5 bar straight above the pivot (208, 270), with the face showing between the ticks.
TEST(PanelExamples, GaugeNeedleAndTicksSitWhereTheValuesSay) {
  const fs::path png = workDir() / "gauges.png";
  const PanelRun run =
      runPanel({ZELMO_SOURCE_DIR "/examples/screens/gauges.json", "-o", png.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  expectPng(png,
            {
                {257, 207, 0xC0392B, "needle, 80 px from the pivot at 52.2 degrees"},
                {208, 140, 0x1B2631, "long tick of 5 bar"},
                {202, 143, 0xFDFEFE, "face between the 5 bar tick and the next short one"},
            },
            800, 480);
}

TEST(PanelPaths, ABadPathTextDrawsNothingIsReportedOnceAndTheRunSucceeds) {
  const std::string path = R"({"class": "uxclasses/graphics/CuxCanvas", "call": )";
  const ScreenRun run = renderScreen(screenWithCalls(
      path +
      R"("fillAndDrawPath(Ljava/lang/String;III)V", "args": ["M0 0H9V9H0Z L", 255, 0, 1]},)" +
      path + R"("fillPath(Ljava/lang/String;I)V", "args": ["M0 0H9V9H0Z L", 255]},)" + path +
      R"("fillPath(Ljava/lang/String;I)V", "args": ["M20 10H30V20H20Z", "#FF0000"]})"));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "zelmo-panel: " + (workDir() / "screen.json").string() +
                         ": path \"M0 0H9V9H0Z L\": at 13: expected a number\n");
  expectPng(run.png,
            {{4, 4, 0xFFFFFF, "nothing of the bad path"}, {25, 15, 0xFF0000, "the good path"}});
}

TEST(PanelExamples, GaugesAndSymbolsShowBandsPieAndPathSymbols) {
  const fs::path png = workDir() / "gauges-and-symbols.png";
  const PanelRun run =
      runPanel({ZELMO_SOURCE_DIR "/examples/screens/gauges-and-symbols.json", "-o", png.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  expectPng(png, {
                     {38, 172, 0x27AE60, "first gauge's green band at 180 degrees"},
                     {164, 207, 0xC0392B, "first gauge's red band near full scale"},
                     {698, 110, 0x2E86C1, "the pumps' share of the pie"},
                     {292, 410, 0x27AE60, "running pump body beside its impeller"},
                     {605, 400, 0xC0392B, "closed valve's body"},
                 });
}

// The water-works screen loads its pictures by paths relative to the screen file (the panel
// runs elsewhere), keeps the logo's transparency, and shows a capture of its trend.
TEST(PanelExamples, WaterWorksLoadsItsPicturesBesideTheScreen) {
  const fs::path png = workDir() / "water-works.png", trace = workDir() / "water-works.jsonl";
  const PanelRun run = runPanel({ZELMO_SOURCE_DIR "/examples/screens/water-works.json", "-o",
                                 png.string(), "--trace", trace.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> images;
  for (const Json& call : traceOf(trace)) {
    const std::string fn = call["fn"];
    if (fn == "osGXloadImage" || fn == "osGXcreateImage")
      images.push_back(fn + " " + call["status"].dump() + " " + call["result"].dump());
  }
  EXPECT_EQ(images, (std::vector<std::string>{"osGXloadImage 0 65537", "osGXloadImage 0 65538",
                                              "osGXcreateImage 0 65539"}));
  expectPng(png,
            {
                {11, 6, 0x0B3D66, "the title bar through the logo's transparent corner"},
                {300, 238, 0xF4F6F8, "alarm panel beside the thumbnail"},
            },
            480, 320);
  // The drop of the logo is light blue; the photo's sky is blue above warm light.
  cairo_surface_t* picture = cairo_image_surface_create_from_png(png.c_str());
  const auto at = [&](int x, int y) {
    const auto* row =
        cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture);
    return reinterpret_cast<const uint32_t*>(row)[x];
  };
  const auto blue = [](uint32_t p) { return p & 0xFF; };
  const auto red = [](uint32_t p) { return (p >> 16) & 0xFF; };
  EXPECT_GT(blue(at(33, 22)), 180u);
  EXPECT_LT(red(at(33, 22)), 120u);
  EXPECT_GT(blue(at(20, 74)), red(at(20, 74)));
  cairo_surface_destroy(picture);
}

// Groups from screen files: a members array may name objects listed after it and the group
// itself, and such a group draws, moves and resizes without running away.
TEST(PanelGroups, MemberArraysMayHoldTheGroupItself) {
  const ScreenRun run = renderScreen(R"({"width": 40, "height": 30, "objects": [
      {"id": "members", "CuxGraphics[]": [{"ref": "dot"}, null, {"ref": "g"}]},
      {"id": "g", "class": "uxclasses/graphics/CuxComplexObj",
       "fields": {"x2": 39, "y2": 29, "origX2": 39, "origY2": 29, "state": 6,
                  "children": {"ref": "members"}}},
      {"id": "dot", "class": "uxclasses/graphics/CuxEllipse",
       "fields": {"x1": 5, "y1": 5, "x2": 15, "y2": 15, "origX1": 5, "origY1": 5, "origX2": 15,
                  "origY2": 15, "state": 6, "fillColor": "#FF0000", "fillPattern": 1}}],
    "calls": [
      {"on": "g", "call": "resize(IB)V", "args": [50, 6]},
      {"on": "g", "call": "setPosition(II)V", "args": [10, 10]},
      {"on": "g", "call": "draw(I)V", "args": [0]}]})");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::vector<std::string> upcalls;
  for (const Json& line : traceOf(run.trace))
    if (line.contains("upcall") && line["upcall"] == "draw(I)V") upcalls.push_back(line["on"]);
  EXPECT_EQ(upcalls, (std::vector<std::string>{"dot", "g"}));
  const ScreenRun bad = renderScreen(R"({"width": 40, "height": 30, "objects": [
      {"id": "members", "CuxGraphics[]": [{"ref": "name"}]}, {"id": "name", "String": "x"}]})");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("element 0"), std::string::npos) << bad.err;
}

// The pump-skid example: the second skid is placed and resized to 80 % from its left edge, the
// header is moved up from where it was designed, and the second valve's handle is turned up.
TEST(PanelExamples, PumpSkidsShowMovedResizedAndTurnedParts) {
  const fs::path png = workDir() / "pump-skids.png";
  const PanelRun run =
      runPanel({ZELMO_SOURCE_DIR "/examples/screens/pump-skids.json", "-o", png.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  constexpr uint32_t kFloor = 0xEEF1F4, kBackground = 0xD5DBE1, kMotor = 0x2E86C1;
  constexpr uint32_t kPump = 0x3CB371, kSteel = 0x5D6D7E, kHandle = 0x1B2631;
  expectPng(png,
            {
                {170, 250, kMotor, "first skid's motor, as designed"},
                {300, 240, kPump, "first skid's pump, as designed"},
                {500, 250, kMotor, "second skid's motor, placed and narrowed"},
                {565, 275, kFloor, "right of the narrowed motor, where the placed one would be"},
                {600, 240, kPump, "second skid's narrowed pump"},
                {670, 215, kFloor, "right of the narrowed pump, inside the full-size one"},
                {120, 410, kSteel, "header moved up 30 pixels"},
                {120, 440, kBackground, "header's design-time place, now empty"},
                {270, 382, kHandle, "first valve's handle along the header"},
                {560, 360, kHandle, "second valve's handle turned upward"},
                {585, 382, kBackground, "where the second handle pointed before its turn"},
            },
            800, 480);
}

}  // namespace
}  // namespace zelmo::test
