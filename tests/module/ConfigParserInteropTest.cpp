// The configuration file against Python's configparser, both ways: what it writes (lowercase
// keys, comments) the store and the natives read, and what the store writes it reads strictly,
// with everything else in the file as it was.
#include <cstdlib>

#include <nlohmann/json.hpp>

#include "core/IniText.h"
#include "platform/CoreServices.h"
#include "support/ConfigFiles.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

using Json = nlohmann::json;

const std::string kClient = std::string(ZELMO_SOURCE_DIR) + "/tests/support/configparser_client.py";

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs the client; its standard output.
std::string client(const std::vector<std::string>& args) {
  const fs::path out = configTestDir() / "client.out";
  std::string command = "python3 " + quoted(kClient);
  for (const std::string& arg : args) command.append(" ").append(quoted(arg));
  const int status = std::system((command + " >" + quoted(out.string())).c_str());
  EXPECT_EQ(status, 0) << "python3 is needed (scripts/install-deps.sh): " << command;
  return fileText(out);
}

// What configparser reads from each file: section -> key -> value, or null when it refuses it.
Json dump(const char* mode, const std::vector<fs::path>& files) {
  std::vector<std::string> args = {"dump", mode};
  for (const fs::path& file : files) args.push_back(file.string());
  const std::string out = client(args);
  return Json::parse(out.empty() ? "{}" : out);
}

// Texts that take configparser's less travelled roads (ASCII keys: it lowercases the others
// beyond ASCII).
const char* const kTrickyTexts[] = {
    "[Language]\nk = v\nK2: v2\n  Indented = i\n",
    "[Language]\nname = Deutsch ; Schweiz # all of it\n; comment\n# comment\n",
    "[Language]\nk = first\n  second\n\n\tthird\n\nz = 1\n",
    "[Language]\nk =\n  below\nempty =\n",
    "[Language]\r\nk = crlf\r\n[Other]\rk = cr\r",
    "[DEFAULT]\nd = from default\nk = d\n[Language]\nk = own\n[Other]\n",
    "[Language] trailing text\nk:x = y=z\n",
    "  [Language]\n  k = indented section\n",
    ("[Language]\nk = Fran\xC3\xA7"
     "ais \xE6\x97\xA5\xE6\x9C\xAC\n"),
    "[Language]\nk =\xC2\xA0nbsp\xE3\x80\x80\x1f\n\x0b\n",
    "[A]]\nk = bracket\n[ spaced ]\nk = s\n",
    "[Language]\nk = 1\n[Other]\nk = 2\n[Language]\nk = 3\n",  // lax only
    "[Language]\nk = 1\nK = 2\n",                              // lax only
    "[Language]\nk = a\n# comment inside\n  b\n",
};

TEST(ConfigParserInterop, TheStoreReadsEveryValueConfigparserReads) {
  std::vector<fs::path> files;
  for (const char* text : kTrickyTexts) {
    files.push_back(configTestDir() / ("tricky" + std::to_string(files.size()) + ".ini"));
    writeFileText(files.back(), text);
  }
  const Json read = dump("lax", files);
  ASSERT_EQ(read.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    const Json& sections = read[files[i].string()];
    ASSERT_TRUE(sections.is_object()) << kTrickyTexts[i];
    for (const auto& [section, keys] : sections.items())
      for (const auto& [key, value] : keys.items())
        EXPECT_EQ(core::ini::findValue(kTrickyTexts[i], section, key), value.get<std::string>())
            << "[" << section << "] " << key << " in\n"
            << kTrickyTexts[i];
  }
}

class ConfigParserFiles : public ModuleTest {
 protected:
  ConfigFileScope store;
};

TEST_F(ConfigParserFiles, TheNativesReadWhatConfigparserWrote) {
  const Json sections = {
      {"Display", {{"Brightness", "80"}}},
      {"Language",
       {{"UserApplicationLanguageElements", "2"},
        {"UserApplicationLanguageNum0", "-7"},
        {"UserApplicationLanguageName0", "Deutsch ; Schweiz"},
        {"UserApplicationLanguageName1", "\u65e5\u672c\u8a9e \U0001F1EF\U0001F1F5"},
        {"UserApplicationLanguageSystemLang1", "+3"},
        {"SystemLanguageElements", "9"}}}};
  client({"write", store.path.string(), sections.dump()});
  ASSERT_NE(store.text().find("userapplicationlanguagename0 = Deutsch ; Schweiz"),
            std::string::npos)
      << store.text();
  const jref mgr = vm.newObject("uxclasses/baseclasses/CuxLanguageMgr");
  const auto get = [&](const char* signature, std::initializer_list<vm::Arg> args = {}) {
    return call("uxclasses/baseclasses/CuxLanguageMgr", signature, mgr, args);
  };
  EXPECT_EQ(get("getUserApplicationLanguageElements()I").i(), 2);
  EXPECT_EQ(get("getUserApplicationLanguageNum(I)I", {I(0)}).i(), -7);
  EXPECT_EQ(
      vm.stringValue(get("getUserApplicationLanguageName(I)Ljava/lang/String;", {I(0)}).ref()),
      u"Deutsch ; Schweiz");
  EXPECT_EQ(
      vm.stringValue(get("getUserApplicationLanguageName(I)Ljava/lang/String;", {I(1)}).ref()),
      u"\u65e5\u672c\u8a9e \U0001F1EF\U0001F1F5");
  EXPECT_EQ(get("getUserApplicationLanguageSystemLanguageNum(I)I", {I(1)}).i(), 3);
  EXPECT_EQ(get("getNumberOfSystemLanguages()I").i(), 9);
}

TEST_F(ConfigParserFiles, ConfigparserReadsOurWritesStrictlyWithAllElseIntact) {
  const std::string original =
      "; settings shared with other tools\n"
      "[DEFAULT]\nshared = everywhere\n\n"
      "[Language]\n# our section\nuserapplicationlanguagenum0 = 1\n"
      "UserApplicationLanguageName0: English\nnotes = kept\n  on two lines\n\n"
      "[Display]\nbrightness = 80\n";
  store.write(original);
  Json expected = dump("strict", {store.path})[store.path.string()];
  ASSERT_TRUE(expected.is_object());

  const jref mgr = vm.newObject("uxclasses/baseclasses/CuxLanguageMgr");
  const auto set = [&](const char* signature, std::initializer_list<vm::Arg> args) {
    EXPECT_TRUE(call("uxclasses/baseclasses/CuxLanguageMgr", signature, mgr, args).z())
        << signature;
  };
  set("setUserApplicationLanguageNum(II)Z", {I(0), I(42)});
  set("setUserApplicationLanguageNum(II)Z", {I(1), I(-2147483647 - 1)});
  set("setUserApplicationLanguageName(ILjava/lang/String;)Z",
      {I(1), R(vm.newString(u"Fran\u00e7ais = 100% ; #1 [x]"))});
  set("setUserApplicationLanguageElements(I)Z", {I(2)});
  EXPECT_TRUE(osCGsetUNICHAR(u"Fresh Section", u"Key", u"\U0001F600"));

  expected["Language"]["userapplicationlanguagenum0"] = "42";
  expected["Language"]["userapplicationlanguagenum1"] = "-2147483648";
  expected["Language"]["userapplicationlanguagename1"] = "Fran\u00e7ais = 100% ; #1 [x]";
  expected["Language"]["userapplicationlanguageelements"] = "2";
  expected["Fresh Section"] = {{"key", "\U0001F600"}, {"shared", "everywhere"}};
  EXPECT_EQ(dump("strict", {store.path})[store.path.string()], expected) << store.text();
  // Every line of the original is still there, in its order.
  const std::string now = store.text();
  size_t at = 0;
  for (const char* line :
       {"; settings shared", "[DEFAULT]", "shared = everywhere", "[Language]", "# our section",
        "userapplicationlanguagenum0 = 42", "UserApplicationLanguageName0: English", "notes = kept",
        "  on two lines", "[Display]", "brightness = 80"}) {
    at = now.find(line, at);
    ASSERT_NE(at, std::string::npos) << line << " in\n" << now;
  }
}

}  // namespace
}  // namespace zelmo::test
