// The errors and warnings of one screen file, each placed at a line and column of it.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "panel/ScreenError.h"
#include "panel/SourceMap.h"

namespace panel {

// Thrown once a screen has as many errors as are worth reading.
struct TooManyErrors {};

class Diagnostics {
 public:
  static constexpr size_t kMaxErrors = 20;

  Diagnostics(std::string file, SourceMap source)
      : file_(std::move(file)), source_(std::move(source)) {}

  // Values of the file that errors may name, and the JSON pointer of each.
  void addRoot(const Json& root, std::string path) {
    roots_.emplace_back(&root, std::move(path));
    paths_.clear();
  }
  void clearRoots() {
    roots_.clear();
    paths_.clear();
  }

  // Throws TooManyErrors with the last one that is kept.
  void error(const ScreenError& e);
  void warning(const std::string& message, const Json* node, bool atKey = false);

  const std::vector<std::string>& errors() const { return errors_; }
  bool full() const { return errors_.size() >= kMaxErrors; }
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  std::string placed(const std::string& message, const Json* node, bool atKey) const;

  std::string file_;
  SourceMap source_;
  std::vector<std::pair<const Json*, std::string>> roots_;
  // The pointer of every value under the roots, made when a message first needs one.
  mutable std::unordered_map<const Json*, std::string> paths_;
  std::vector<std::string> errors_, warnings_;
};

// Runs `body`; with `report`, an error it throws is kept there and the caller goes on with what
// follows, so that one run lists every error of the file. Without, it propagates.
template <typename Body>
void collecting(Diagnostics* report, Body&& body) {
  if (!report) return body();
  try {
    body();
  } catch (const ScreenError& e) {
    report->error(e);
  }
}

}  // namespace panel
