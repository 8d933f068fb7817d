#include "panel/DidYouMean.h"

#include <algorithm>

namespace panel {

namespace {

// Optimal string alignment distance: "widht" is one swap from "width".
size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string nearestName(const std::string& name, const std::vector<std::string>& candidates) {
  // A third of the name may be wrong, so that short names do not match anything at all.
  const size_t limit = std::max<size_t>(1, name.size() / 3);
  std::string best;
  size_t bestDistance = limit + 1;
  for (const std::string& candidate : candidates) {
    if (candidate == name) continue;
    const size_t distance = editDistance(name, candidate);
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

std::string didYouMean(const std::string& name, const std::vector<std::string>& candidates) {
  const std::string nearest = nearestName(name, candidates);
  return nearest.empty() ? "" : " (did you mean \"" + nearest + "\"?)";
}

}  // namespace panel
