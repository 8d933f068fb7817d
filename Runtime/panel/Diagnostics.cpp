#include "panel/Diagnostics.h"

namespace panel {

std::string Diagnostics::placed(const std::string& message, const Json* node, bool atKey) const {
  if (paths_.empty())
    for (const auto& [root, rootPath] : roots_) addPaths(*root, rootPath, paths_);
  Position where{1, 1};
  if (const auto path = paths_.find(node); node && path != paths_.end()) {
    const auto& offsets = atKey ? source_.keys : source_.values;
    if (const auto found = offsets.find(path->second); found != offsets.end())
      where = source_.at(found->second);
  }
  return file_ + ":" + std::to_string(where.line) + ":" + std::to_string(where.column) + ": " +
         message;
}

void Diagnostics::error(const ScreenError& e) {
  errors_.push_back(placed(e.what(), e.node, e.atKey));
  if (errors_.size() >= kMaxErrors) throw TooManyErrors{};
}

void Diagnostics::warning(const std::string& message, const Json* node, bool atKey) {
  warnings_.push_back(placed("warning: " + message, node, atKey));
}

}  // namespace panel
