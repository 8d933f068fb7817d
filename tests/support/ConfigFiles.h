// Configuration store files for tests: a folder of its own per test case, and the store pointed
// at a file in it for the life of a scope.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/ConfigStore.h"

namespace zelmo::test {

namespace fs = std::filesystem;

// Emptied when a test case first asks for it.
inline fs::path configTestDir() {
  static std::string created;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string(info->test_suite_name()) + "." + info->name();
  const fs::path dir = fs::path(ZELMO_BINARY_DIR) / "config-tests" / name;
  if (created != name) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    created = name;
  }
  return dir;
}

inline std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFileText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Points the store at `path` (by default config.ini in the test's folder) until the scope ends.
struct ConfigFileScope {
  explicit ConfigFileScope(fs::path file = configTestDir() / "config.ini") : path(std::move(file)) {
    core::setConfigFile(path.string());
  }
  ~ConfigFileScope() {
    core::setConfigFile("");
    core::setConfigProblemReporter(nullptr);
  }
  std::string text() const { return fileText(path); }
  void write(const std::string& text) const { writeFileText(path, text); }
  fs::path path;
};

}  // namespace zelmo::test
