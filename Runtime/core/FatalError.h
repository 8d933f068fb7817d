// Fatal reports made through osERfatalError: printed to stderr and kept for tests to inspect.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct FatalReport {
  std::string moduleName;
  std::string sourceFile;
  uint32_t line = 0;
  std::string message;  // the format with its arguments filled in, UTF-8
};

const std::vector<FatalReport>& fatalReports();
void clearFatalReports();

}  // namespace core
