// zelmo-panel end to end: run as a subprocess on screen files, then read back its PNG, trace,
// messages and exit code.
#include <cairo.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "panel/PanelProcess.h"
#include "panel/natives/NativeReference.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

// The trace lines of the drawing function `fn` (of every one when empty), as written.
std::vector<std::string> linesOf(const fs::path& trace, const std::string& fn = "") {
  std::vector<std::string> lines;
  for (const Json& call : traceOf(trace))
    if (fn.empty() || call["fn"] == fn) lines.push_back(call.dump());
  return lines;
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
  ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << path;
  if (width) {
    EXPECT_EQ(cairo_image_surface_get_width(png), width);
    EXPECT_EQ(cairo_image_surface_get_height(png), height);
  }
  const unsigned char* data = cairo_image_surface_get_data(png);
  for (const Probe& p : probes) {
    const auto* row = data + p.y * cairo_image_surface_get_stride(png);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(row)[p.x] & 0xFFFFFF, p.rgb)
        << path.filename() << ": " << p.what << " at " << p.x << "," << p.y;
  }
  cairo_surface_destroy(png);
}

std::string screenWithCalls(const std::string& calls) {
  return R"({"width": 40, "height": 30, "objects": [
      {"id": "c", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0}},
      {"id": "xs", "int[]": [1, 2]}, {"id": "area", "class": "uxclasses/graphics/CuxArea"}],
    "calls": [)" +
         calls + "]}";
}

const std::string kExamples = ZELMO_SOURCE_DIR "/examples/screens/";

// Each way the panel can end names its problem on standard error and exits with its own code.
TEST(PanelCommandLine, ExitCodesAndMessages) {
  const fs::path dir = configTestDir();
  const std::string fake = (dir / "ZelmoGraphics.dlm").string(), screen = (dir / "s.json").string(),
                    out = (dir / "out.png").string(),
                    missing = "/nonexistent/dir/ZelmoGraphics.dlm";
  writeFileText(fake, "not a shared object");
  writeFileText(screen, R"({"width": 4, "height": 4})");
  const struct {
    std::vector<std::string> args;
    int code;
    std::string mention;
  } cases[] = {
      {{}, 2, "usage: zelmo-panel"},
      {{"screen.json"}, 2, "usage: zelmo-panel"},
      {{"screen.json", "-o"}, 2, "usage: zelmo-panel"},
      {{"--bogus"}, 2, "usage: zelmo-panel"},
      {{"a.json", "b.json", "-o", "x.png"}, 2, "usage: zelmo-panel"},
      {{"--help"}, 0, "--list-natives"},
      {{"--help"}, 0, "--describe NAME"},
      // Any case, any part of a line of --list-natives; each match with its arguments.
      {{"--describe", "CUXCANVAS DRAWROUNDRECT"}, 0, "radiusY  int  pixels"},
      {{"--describe", "getClipBounds"}, 0, "Z\n  Reads the clip area"},
      {{"--describe", "drawRec(IIII)V"}, 2, "\"drawRec(IIII)V\""},
      {{"--describe"}, 2, "--describe needs a value"},
      {{"--schema"}, 0, "\"$schema\": \"https://json-schema.org/draft/2020-12/schema\""},
      // A module that is missing or is no shared object is reported with its path.
      {{"--list-natives", "--module", missing}, 3, missing},
      {{"--list-natives", "--module", fake}, 3, fake},
      {{screen, "-o", out, "--module", missing}, 3, missing},
      {{screen, "-o", out, "--module", fake}, 3, fake},
      {{screen, "-o", (dir / "no/such/dir/out.png").string()}, 4, "no/such/dir/out.png"},
  };
  for (const auto& c : cases) {
    const PanelRun run = runPanel(c.args);
    EXPECT_EQ(run.exitCode, c.code) << testing::PrintToString(c.args);
    EXPECT_NE((c.code ? run.err : run.out).find(c.mention), std::string::npos)
        << testing::PrintToString(c.args) << ": " << run.err;
  }
}

// What a newcomer reads first must hold: the README's usage block is the one --help prints, and
// its first picture is the screen that render-example.sh renders when given none.
TEST(PanelCommandLine, ReadmeShowsTheHelpsUsageAndTheRenderedExample) {
  const std::string readme = fileText(fs::path(ZELMO_SOURCE_DIR) / "README.md");
  const size_t section = readme.find("\n## zelmo-panel\n");
  ASSERT_NE(section, std::string::npos);
  std::istringstream in(readme.substr(section));
  std::string block, line;
  while (std::getline(in, line) && line.rfind("    ", 0) != 0) continue;
  for (; in && line.rfind("    ", 0) == 0; std::getline(in, line)) block += line.substr(4) + "\n";
  const PanelRun help = runPanel({"--help"});
  EXPECT_EQ(block, help.out.substr(0, help.out.find("\n\n") + 1));

  const size_t image = readme.find("](", readme.find("!["));
  ASSERT_NE(image, std::string::npos);
  const std::string path = readme.substr(image + 2, readme.find(')', image) - image - 2);
  EXPECT_EQ(path.rfind("examples/reference/", 0), 0u) << path;
  const std::string screen = "examples/screens/" + fs::path(path).stem().string() + ".json";
  EXPECT_NE(fileText(fs::path(ZELMO_SOURCE_DIR) / "scripts/render-example.sh")
                .find("${1:-" + screen + "}"),
            std::string::npos)
      << screen;
}

class PanelListNatives : public ModuleTest {};

// Every class and signature the module registers, in registration order, is stated once, in the
// checked-in registered-natives.txt: a native added, dropped or moved shows as a change to it.
// The panel prints what the module registers in the fixture's VM too.
TEST_F(PanelListNatives, PrintsEveryRegistrationInOrder) {
  std::string inProcess;
  for (const vm::NativeMethod& native : vm.natives()) {
    EXPECT_NE(native.function, nullptr) << native.signature;
    inProcess += native.className + " " + native.signature + "\n";
  }
  const PanelRun run = runPanel({"--list-natives"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, fileText(fs::path(ZELMO_SOURCE_DIR) / "tests/panel/registered-natives.txt"));
  EXPECT_EQ(run.out, inProcess);
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
      {R"({"width": 40, "height": 30, "objcts": []})",
       {"unknown key \"objcts\" (did you mean \"objects\"?)"}},
      {R"({"width": 40, "height": 30, "objects": [{"class": "uxclasses/graphics/CuxArea"}]})",
       {"objects[0]", "\"id\""}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "x/Nope"}]})",
       {"objects[0] \"a\"", "x/Nope"}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxAera"}]})",
       {"(did you mean \"uxclasses/graphics/CuxArea\"?)"}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x1": "left"}}]})",
       {"expected an integer from -2147483648 to 2147483647, got \"left\""}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"y": 1}}]})",
       {"no field y (did you mean \"y1\"?)"}},
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
      {R"({"width": 40, "height": 30, "statics": {"uxclasses/graphics/CuxCanvas": {"decimalSeperator": ","}}})",
       {"(did you mean \"decimalSeparator\"?)"}},
      {R"({"width": 40, "height": 30, "systemLanguages": "de"})", {"systemLanguages"}},
      {R"({"width": 40, "height": 30, "systemLanguages": ["de", 3]})", {"systemLanguages"}},
      {R"({"width": 40, "height": 30, "systemLanguages": ["a", "b", "c", "d", "e", "f", "g", "h", "i", "j"]})",
       {"systemLanguages"}},
      {R"({"width": 40, "height": 30, "systemLanguages": ["abcdefghijklmnop"]})",
       {"systemLanguages"}},
      {R"({"width": 40, "height": 30, "timeZoneOffset": 900})", {"timeZoneOffset", "840"}},
      {screenWithCalls(R"({"on": "c", "args": []})"), {"calls[0]", "\"call\""}},
      {screenWithCalls(R"({"call": "resetTransform()V"})"), {"calls[0]", "\"on\"", "\"class\""}},
      {screenWithCalls(R"({"on": "nobody", "call": "setClip(IIII)V", "args": [1, 2, 3, 4]})"),
       {"calls[0]", "nobody"}},
      {screenWithCalls(R"({"on": "c", "call": "setClip(III)V", "args": [1, 2, 3]})"),
       {"calls[0]", "setClip(III)V", "setClip(IIII)V"}},
      {screenWithCalls(R"({"on": "c", "call": "drawRec(IIII)V", "args": [1, 2, 3, 4]})"),
       {"(did you mean \"drawRect(IIII)V\"?)"}},
      {screenWithCalls(R"({"on": "c", "call": "drawRect"})"), {"(it has drawRect(IIII)V)"}},
      {screenWithCalls(R"({"on": "cc", "call": "drawRect(IIII)V", "args": [1, 2, 3, 4]})"),
       {"unknown id \"cc\" (did you mean \"c\"?)"}},
      {R"({"width": 40, "height": 30, "objects": [{"id": "g", "class": "uxclasses/graphics/CuxComplexObj"}],
          "calls": [{"on": "g", "call": "resize(IB)V", "args": [50, 256]}]})",
       {"a byte from -128 to 255"}},
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
      {screenWithCalls(
           R"({"on": "c", "call": "setClip(IIII)V", "args": {"x": 1, "y": 2, "width": 3, "h": 4}})"),
       {"calls[0] setClip(IIII)V", "unknown argument \"width\"", "the arguments are x, y, w, h"}},
      {screenWithCalls(
           R"({"on": "c", "call": "setClip(IIII)V", "args": {"x": 1, "y": 2, "w": 3}})"),
       {"calls[0] setClip(IIII)V", "missing argument \"h\"", "the arguments are x, y, w, h"}},
      {screenWithCalls(R"({"on": "c", "call": "removeClipArea()V", "args": {"x": 1}})"),
       {"unknown argument \"x\"", "it takes no arguments"}},
      {screenWithCalls(
           R"({"on": "c", "call": "setClip(IIII)V", "args": {"x": 1, "y": 2, "w": 3, "h": true}})"),
       {"calls[0] setClip(IIII)V", "argument \"h\"", "true"}},
      {screenWithCalls(R"({"on": "c", "call": "setClip(IIII)V", "args": 4})"),
       {"calls[0] setClip(IIII)V", "\"args\" must be an array, or an object"}},
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

// Every error of a file is listed in one run, each at the line and column of its key or value.
TEST(PanelScreenErrors, AreAllListedAtTheirLineAndColumn) {
  const ScreenRun run = renderScreen(R"({"width": 40, "height": "x", "widht": 3,
  "objects": [{"id": "a", "class": "uxclasses/graphics/CuxArea", "fields": {"x1": true, "x3": 1}},
    {"id": "b", "class": "x/Nope"}],
  "calls": [{"on": "a", "call": "drawRec(IIII)V"},
    {"comment": "é", "on": "a", "call": "drawRect(IIII)V", "colour": 1}]})");
  EXPECT_EQ(run.exitCode, 2);
  std::vector<std::string> places;
  std::istringstream lines(run.err);
  for (std::string line; std::getline(lines, line);) {
    const size_t name = line.find("screen.json:");
    ASSERT_NE(name, std::string::npos) << line;
    places.push_back(line.substr(name + 12, line.find(": ", name) - name - 12));
  }
  // In the order they are found; columns count characters, not bytes (the "é").
  EXPECT_EQ(places,
            (std::vector<std::string>{"1:30", "1:25", "3:26", "2:83", "2:89", "4:33", "5:60"}))
      << run.err;
}

// Calls that run but cannot draw what was meant are warned about at their place; the run still
// succeeds unless --strict.
TEST(PanelWarnings, NameTheCallsThatCannotDrawAndFailWithStrict) {
  const std::string number =
      R"({"on": "c", "call": "drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V", "args": )";
  const struct {
    std::string calls, warning;
  } cases[] = {
      {R"({"on": "c", "call": "drawRect(IIII)V", "args": [1, 2, 0, 4]})",
       "8:55: warning: a box of zero size"},
      {number + R"([873, 10, 3, 1, 0, 0, false, 0, 0, 0, 0, 30, 10, null]})",
       "warning: a null font"},
      {number + R"([873, 10, 3, 1, 0, 0, false, 0, 0, 0, 0, 30, 10, {"ref": "f"}]})",
       "decimalSeparator of uxclasses/graphics/CuxCanvas is unset"},
      {R"({"on": "g", "call": "draw(I)V", "args": [0]})", "warning: the group draws nothing"},
      {R"({"on": "nf", "call": "createFont()I", "result": "nf.fontHandle"})",
       "warning: the font family asked is not installed"},
      {R"({"on": "d", "call": "drawRect(IIII)V", "args": [1, 2, 3, 4]})",
       "warning: drawn on layer 3, but the screen has 1 layer"},
  };
  for (const auto& c : cases) {
    const std::string screen = R"({"width": 40, "height": 30, "objects": [
      {"id": "c", "class": "uxclasses/graphics/CuxCanvas"}, {"id": "f", "class": "uxclasses/graphics/CuxFont"},
      {"id": "d", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 3}},
      {"id": "n", "String": "Nosuch Family:12"}, {"id": "nf", "class": "uxclasses/graphics/CuxFont", "fields": {"fontName": {"ref": "n"}}},
      {"id": "m", "CuxGraphics[]": [{"ref": "e"}]}, {"id": "e", "class": "uxclasses/graphics/CuxEllipse", "fields": {"state": 2}},
      {"id": "g", "class": "uxclasses/graphics/CuxComplexObj", "fields": {"children": {"ref": "m"}}}],
    "calls": [
)" + c.calls + "]}";
    const ScreenRun run = renderScreen(screen);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find(c.warning), std::string::npos) << c.calls << "\n" << run.err;
    EXPECT_EQ(renderScreen(screen, {"--strict"}).exitCode, 6) << c.calls;
  }
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
  EXPECT_EQ(linesOf(run.trace, "osGXsetClipArea"),
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
  EXPECT_EQ(
      linesOf(run.trace),
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

// The clock shows the screen's zone, whatever zone the host is in.
TEST(PanelClock, ShowsTheScreensTimeZone) {
  const auto clockText = [](const std::string& zoneKey) {
    const ScreenRun run = renderScreen(R"({"width": 200, "height": 30,)" + zoneKey + R"(
        "objects": [{"id": "c", "class": "uxclasses/graphics/CuxCanvas", "fields": {"layer": 0}},
                    {"id": "f", "class": "uxclasses/graphics/CuxFont", "fields": {"fontName": "DejaVu Sans:12"}}],
        "calls": [{"on": "c", "call": "drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V",
                   "args": [20, 1709823909, 0, 0, 200, 30, "#000000", {"ref": "f"}]}]})",
                                       {}, "TZ=XST5 ");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const Json& call : traceOf(run.trace))
      if (call["fn"] == "osGXsimpleText") return call["chars"].get<std::string>();
    return std::string();
  };
  EXPECT_EQ(clockText(""), "15:05:09");
  EXPECT_EQ(clockText(R"("timeZoneOffset": 90,)"), "16:35:09");
  EXPECT_EQ(clockText(R"("timeZoneOffset": -300,)"), "10:05:09");
}

TEST(PanelCompare, CountsDifferingPixelsAndMarksThemAboveTheTolerance) {
  const fs::path dir = configTestDir();
  const auto screen = [](int w) {
    return R"({"width": 40, "height": 30, "objects": [{"id": "c", "class": "uxclasses/graphics/CuxCanvas",
              "fields": {"layer": 0, "color": "#000000", "fillPattern": 1}}],
              "calls": [{"on": "c", "call": "fillRect(IIII)V", "args": [2, 2, )" +
           std::to_string(w) + ", 3]}]}";
  };
  writeFileText(dir / "reference.json", screen(4));
  writeFileText(dir / "changed.json", screen(6));
  const std::string reference = (dir / "reference.png").string();
  ASSERT_EQ(runPanel({(dir / "reference.json").string(), "-o", reference}).exitCode, 0);
  const auto compare = [&](const char* json, const char* png, std::vector<std::string> more) {
    std::vector<std::string> args = {(dir / json).string(), "-o", (dir / png).string(),
                                     "--compare"};
    args.insert(args.end(), more.begin(), more.end());
    return runPanel(args);
  };
  EXPECT_EQ(compare("reference.json", "same.png", {reference}).exitCode, 0);
  EXPECT_FALSE(fs::exists(dir / "same.diff.png"));
  // Two columns of three pixels more: six differ.
  const PanelRun differs = compare("changed.json", "changed.png", {reference});
  EXPECT_EQ(differs.exitCode, 5);
  EXPECT_NE(differs.err.find("6 of 1200 pixels differ, inside the box (6,2)-(7,4)"),
            std::string::npos)
      << differs.err;
  expectPng(dir / "changed.diff.png",
            {{6, 3, 0xFF0000, "a new pixel"}, {30, 20, 0xFFFFFF, "white, unchanged"}});
  EXPECT_EQ(compare("changed.json", "changed.png", {reference, "--tolerance", "6"}).exitCode, 0);
  std::string wider = screen(4);
  wider.replace(wider.find("40"), 2, "50");
  writeFileText(dir / "wider.json", wider);
  const PanelRun resized = compare("wider.json", "wider.png", {reference});
  EXPECT_EQ(resized.exitCode, 5);
  EXPECT_NE(resized.err.find("the picture is 50x30, the reference 40x30"), std::string::npos)
      << resized.err;
  // Rendering over the reference would make any screen pass.
  const std::string before = fileText(reference);
  const PanelRun over =
      compare("changed.json", "reference.png", {(dir / "." / "reference.png").string()});
  EXPECT_EQ(over.exitCode, 2);
  EXPECT_NE(over.err.find("is the reference"), std::string::npos) << over.err;
  EXPECT_EQ(fileText(reference), before);
  const PanelRun missing = compare("changed.json", "changed.png", {(dir / "nope.png").string()});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("nope.png"), std::string::npos) << missing.err;
  writeFileText(dir / "text.png", "not a picture\n");
  const PanelRun text = compare("changed.json", "changed.png", {(dir / "text.png").string()});
  EXPECT_EQ(text.exitCode, 2);
  EXPECT_NE(text.err.find("text.png: not a PNG file"), std::string::npos) << text.err;
}

// Every example screen still looks as its reference picture does, to the pixel, and hands the
// drawing service the same calls, byte for byte, as the x86-64 trace beside the picture: the
// module's output must not depend on the processor it runs on. After an intended change, render
// the screen with `--trace examples/reference/NAME.jsonl` on x86-64 to renew the reference.
TEST(PanelExamples, MatchTheirReferencePicturesAndTraces) {
  const fs::path examples = fs::path(ZELMO_SOURCE_DIR) / "examples";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(examples / "screens")) {
    if (entry.path().extension() != ".json") continue;
    const std::string name = entry.path().stem().string();
    const fs::path reference = examples / "reference" / (name + ".png");
    const fs::path referenceTrace = examples / "reference" / (name + ".jsonl");
    ASSERT_TRUE(fs::exists(reference)) << "no reference picture for " << entry.path();
    ASSERT_TRUE(fs::exists(referenceTrace)) << "no reference trace for " << entry.path();
    const fs::path out = configTestDir() / (name + ".png");
    const fs::path trace = configTestDir() / (name + ".jsonl");
    // The host's zone must not reach the picture: "XST5" is five hours behind GMT and needs no
    // zone database, so it takes effect on any machine.
    const PanelRun run = runPanel({entry.path().string(), "-o", out.string(), "--trace",
                                   trace.string(), "--compare", reference.string()},
                                  "TZ=XST5 ");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string expected = fileText(referenceTrace), actual = fileText(trace);
    if (expected != actual) {
      size_t line = 1, at = 0;
      while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        line += expected[at++] == '\n';
      ADD_FAILURE() << name << ": the trace differs from " << referenceTrace << " from line "
                    << line;
    }
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

// Every call of the example screens with its arguments given by name draws exactly what the
// positional list draws: the names reach the same parameters in the same order.
TEST(PanelExamples, NamedArgumentsGiveTheSameTraces) {
  const fs::path examples = fs::path(ZELMO_SOURCE_DIR) / "examples";
  const fs::path dir = configTestDir();
  // Image paths are relative to the screen file.
  fs::create_directory_symlink(examples / "screens" / "images", dir / "images");
  size_t renamed = 0;
  for (const auto& entry : fs::directory_iterator(examples / "screens")) {
    if (entry.path().extension() != ".json") continue;
    Json screen = Json::parse(fileText(entry.path()));
    std::map<std::string, std::string> classOf;
    for (const Json& object : screen["objects"])
      if (object.contains("class")) classOf[object["id"]] = object["class"];
    for (Json& call : screen["calls"]) {
      if (!call.contains("args")) continue;
      const std::string cls = call.contains("class") ? call["class"].get<std::string>()
                              : classOf.count(call.value("on", "")) ? classOf[call["on"]]
                                                                    : "";
      const auto* native = panel::natives::findNative(cls, call["call"].get<std::string>());
      if (!native) continue;  // a receiver bound by a result, or an inherited native
      // Written last to first, so that only the names can put them in order.
      Json named = Json::object();
      for (size_t i = native->arguments.size(); i-- > 0;)
        named[native->arguments[i].name] = call["args"][i];
      call["args"] = named;
      ++renamed;
    }
    const std::string name = entry.path().stem().string();
    writeFileText(dir / (name + ".json"), screen.dump(1));
    const fs::path trace = dir / (name + ".jsonl");
    const PanelRun run = runPanel({(dir / (name + ".json")).string(), "-o",
                                   (dir / (name + ".png")).string(), "--trace", trace.string()});
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
    EXPECT_TRUE(fileText(trace) == fileText(examples / "reference" / (name + ".jsonl")))
        << name << ": the trace differs from the positional one";
  }
  EXPECT_GE(renamed, 500u);
}

// Pixels of the example screens sit where the values the screens give say they should.
TEST(PanelExamples, ProbedPixelsSitWhereTheValuesSay) {
  constexpr uint32_t kFloor = 0xEEF1F4, kBackground = 0xD5DBE1, kMotor = 0x2E86C1;
  constexpr uint32_t kPump = 0x3CB371, kSteel = 0x5D6D7E, kHandle = 0x1B2631;
  const struct {
    const char* screen;
    std::vector<Probe> probes;
  } cases[] = {
      {"pump-station",
       {{3, 240, 0xD5DBE1, "background"},
        {400, 20, 0x1F3A5F, "title bar"},
        {110, 185, 0xFFFFFF, "tank A above its clipped liquid"},
        {110, 190, 0x2E7DD7, "tank A liquid"},
        {310, 275, 0x3CB371, "pump body"},
        {305, 300, 0xFFFFFF, "pump arrow"},
        {410, 80, 0xE74C3C, "valve"},
        {30, 441, 0x2E86C1, "active button face"},
        {60, 415, 0x85C1E9, "active button light band"},
        {60, 468, 0x1B4F72, "active button shadow band"},
        {665, 317, 0xF4F6F8, "trend curve cut off outside its clip box"}}},
      // Tank T1 (80..289, 72 % from the bottom): the liquid starts at row 139. Sphere T2
      // (96..221, 45 % from the bottom): at row 165.
      {"tank-farm",
       {{90, 138, 0xEAF2F8, "T1 empty part just above the fill line"},
        {90, 139, 0x2E86C1, "T1 liquid on the fill line"},
        {234, 164, 0xE9F7EF, "T2 empty part just above the fill line"},
        {234, 166, 0x27AE60, "T2 liquid just below the fill line"}}},
      // The list boxes draw over the canvas fills under them: outlines, rules and frames land
      // where the row heights say, and the selected rows sit on their bars.
      {"alarm-list",
       {{510, 80, 0x2E5C8A, "alarm title bar"},
        {510, 125, 0xD5DBE3, "rule under the second alarm"},
        {510, 140, 0xFFFFFF, "an alarm row"},
        {510, 160, 0x1F5FA8, "bar under the selected alarm"},
        {20, 300, 0x33475B, "alarm list frame"},
        {770, 200, 0x1F5FA8, "bar under the selected recipe"}}},
      // The pressure needle turned to 6.4 bar (52.2 degrees) and the long tick of 5 bar straight
      // above the pivot (208, 270), with the face showing between the ticks.
      {"gauges",
       {{257, 207, 0xC0392B, "needle, 80 px from the pivot at 52.2 degrees"},
        {208, 140, 0x1B2631, "long tick of 5 bar"},
        {202, 143, 0xFDFEFE, "face between the 5 bar tick and the next short one"}}},
      {"gauges-and-symbols",
       {{38, 172, 0x27AE60, "first gauge's green band at 180 degrees"},
        {164, 207, 0xC0392B, "first gauge's red band near full scale"},
        {698, 110, 0x2E86C1, "the pumps' share of the pie"},
        {292, 410, 0x27AE60, "running pump body beside its impeller"},
        {605, 400, 0xC0392B, "closed valve's body"}}},
      // The second skid is placed and resized to 80 % from its left edge, the header is moved up
      // from where it was designed, and the second valve's handle is turned up.
      {"pump-skids",
       {{170, 250, kMotor, "first skid's motor, as designed"},
        {300, 240, kPump, "first skid's pump, as designed"},
        {500, 250, kMotor, "second skid's motor, placed and narrowed"},
        {565, 275, kFloor, "right of the narrowed motor, where the placed one would be"},
        {600, 240, kPump, "second skid's narrowed pump"},
        {670, 215, kFloor, "right of the narrowed pump, inside the full-size one"},
        {120, 410, kSteel, "header moved up 30 pixels"},
        {120, 440, kBackground, "header's design-time place, now empty"},
        {270, 382, kHandle, "first valve's handle along the header"},
        {560, 360, kHandle, "second valve's handle turned upward"},
        {585, 382, kBackground, "where the second handle pointed before its turn"}}},
  };
  for (const auto& c : cases) {
    const fs::path png = configTestDir() / (std::string(c.screen) + ".png");
    const PanelRun run = runPanel({kExamples + c.screen + ".json", "-o", png.string()});
    ASSERT_EQ(run.exitCode, 0) << c.screen << ": " << run.err;
    EXPECT_EQ(run.err, "") << c.screen;
    expectPng(png, c.probes, 800, 480);
  }
}

// The water-works screen loads its pictures by paths relative to the screen file (the panel
// runs elsewhere), keeps the logo's transparency, and shows a capture of its trend. (Colour
// channels of drawn pictures are checked by the raster image tests.)
TEST(PanelExamples, WaterWorksLoadsItsPicturesBesideTheScreen) {
  const fs::path png = configTestDir() / "water-works.png";
  const fs::path trace = configTestDir() / "water-works.jsonl";
  const PanelRun run =
      runPanel({kExamples + "water-works.json", "-o", png.string(), "--trace", trace.string()});
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
            {{11, 6, 0x0B3D66, "the title bar through the logo's transparent corner"},
             {300, 238, 0xF4F6F8, "alarm panel beside the thumbnail"}},
            480, 320);
}

TEST(PanelPaths, ABadPathTextDrawsNothingIsReportedOnceAndTheRunSucceeds) {
  const std::string path = R"({"class": "uxclasses/graphics/CuxCanvas", "call": )";
  const ScreenRun run = renderScreen(screenWithCalls(
      path +
      R"("fillAndDrawPath(Ljava/lang/String;III)V", "args": ["M0 0H9V9H0Z L", 255, 0, 1]},)" +
      path + R"("fillPath(Ljava/lang/String;I)V", "args": ["M0 0H9V9H0Z L", 255]},)" + path +
      R"("fillPath(Ljava/lang/String;I)V", "args": ["M20 10H30V20H20Z", "#FF0000"]})"));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "zelmo-panel: " + (configTestDir() / "screen.json").string() +
                         ": path \"M0 0H9V9H0Z L\": at 13: expected a number\n");
  expectPng(run.png,
            {{4, 4, 0xFFFFFF, "nothing of the bad path"}, {25, 15, 0xFF0000, "the good path"}});
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

}  // namespace
}  // namespace zelmo::test
