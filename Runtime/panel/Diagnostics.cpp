#include "panel/Diagnostics.h"

namespace panel {

std::string Diagnostics::placed(const std::string& message, const Json* node, bool atKey) const {
  Position where{1, 1};
  for (const auto& [root, rootPath] : roots_) {
    if (!node) break;
    const auto path = pathOf(*root, rootPath, node);
    if (!path) continue;
    const auto& positions = atKey ? source_.keys : source_.values;
    if (const auto found = positions.find(*path); found != positions.end()) where = found->second;
    break;
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
