// The module imports nothing but declared platform functions and the C/C++ runtime, and exports
// nothing but GetDLMAppVersion and the sixteen class inits.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "vm/ModuleLoader.h"

namespace {

struct DynamicSymbol {
  std::string name;
  bool defined;
};

// The dynamic symbol table, as nm reads it.
std::vector<DynamicSymbol> dynamicSymbols(const std::string& path) {
  std::vector<DynamicSymbol> out;
  // The target's own nm: the host's may not read another processor's objects.
  const std::string command = std::string(ZELMO_NM) + " -D " + path;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char line[1024];
  while (fgets(line, sizeof line, pipe)) {
    std::istringstream fields(line);
    std::vector<std::string> words;
    for (std::string w; fields >> w;) words.push_back(w);
    if (words.size() == 2) out.push_back({words[1], false});  // "U name"
    if (words.size() == 3) out.push_back({words[2], words[1] != "U" && words[1] != "w"});
  }
  pclose(pipe);
  return out;
}

// Every function name declared in the platform headers.
std::set<std::string> declaredPlatformFunctions() {
  std::set<std::string> names;
  const std::regex declaration(R"(^[A-Za-z_][\w\s\*]*?[\s\*](\w+)\()");
  for (const auto& entry : std::filesystem::directory_iterator(ZELMO_PLATFORM_DIR)) {
    std::ifstream header(entry.path());
    for (std::string line; std::getline(header, line);) {
      std::smatch m;
      if (std::regex_search(line, m, declaration)) names.insert(m[1]);
    }
  }
  return names;
}

bool isRuntimeLibrarySymbol(const std::string& name) {
  // Versioned glibc/libstdc++/libgcc symbols, sanitizer and ABI hooks, and mangled standard
  // library names (platform functions have C linkage and are never mangled).
  return name.find('@') != std::string::npos || name.rfind("__", 0) == 0 ||
         name.rfind("_ITM_", 0) == 0 || name.rfind("_ZN", 0) == 0 || name.rfind("_ZS", 0) == 0 ||
         name.rfind("_Zd", 0) == 0 || name.rfind("_Zn", 0) == 0 || name.rfind("_Unwind", 0) == 0;
}

TEST(ModuleSymbols, ImportsOnlyPlatformAndRuntimeLibrary) {
  const auto declared = declaredPlatformFunctions();
  ASSERT_TRUE(declared.count("osGXdrawRectangle"));
  ASSERT_TRUE(declared.count("get_pfp"));
  int undefined = 0;
  for (const auto& s : dynamicSymbols(ZELMO_MODULE_PATH)) {
    if (s.defined) continue;
    ++undefined;
    EXPECT_TRUE(declared.count(s.name) || isRuntimeLibrarySymbol(s.name))
        << s.name << " is neither a platform function nor a C/C++ runtime symbol";
  }
  EXPECT_GT(undefined, 0);
}

TEST(ModuleSymbols, ExportsExactlyTheVersionAndTheClassInits) {
  std::set<std::string> expected(vm::classInitExports().begin(), vm::classInitExports().end());
  expected.insert("GetDLMAppVersion");
  std::set<std::string> exported;
  for (const auto& s : dynamicSymbols(ZELMO_MODULE_PATH))
    if (s.defined) exported.insert(s.name);
  EXPECT_EQ(exported, expected);
}

}  // namespace
