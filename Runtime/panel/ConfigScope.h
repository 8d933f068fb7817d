// The configuration store of one zelmo-panel run.
#pragma once

#include <string>

namespace panel {

// Points the store at `file`, creating it empty if missing, or, for "", at an empty store in a
// temporary folder that is removed again at the end of the scope. The first problem with the
// store (a file that cannot be created or read) is reported once on stderr, naming the file;
// the run goes on with every call to the store failing.
class ConfigScope {
 public:
  explicit ConfigScope(const std::string& file);
  ~ConfigScope();
  ConfigScope(const ConfigScope&) = delete;
  ConfigScope& operator=(const ConfigScope&) = delete;

 private:
  std::string temporaryFolder_;
};

}  // namespace panel
