// Loads ZelmoGraphics.dlm the way the panel runtime does: dlopen, then each class init export.
#pragma once

#include <string>
#include <vector>

namespace vm {

// The sixteen class init exports, in the order this runtime calls them.
const std::vector<std::string>& classInitExports();

class Module {
 public:
  // Throws std::runtime_error naming the path and the loader's message.
  explicit Module(const std::string& path);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // Calls every class init export; throws when one is missing.
  void initAllClasses();
  // Calls one export by name and returns its result.
  int32_t callInit(const std::string& exportName);
  const char* version();
  void* symbol(const std::string& name) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  void* handle_ = nullptr;
};

// Path of the module next to the running program.
std::string defaultModulePath();

}  // namespace vm
