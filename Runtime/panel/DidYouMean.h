// Suggestions for misspelt names: the valid name nearest to what a screen wrote.
#pragma once

#include <string>
#include <vector>

namespace panel {

// The candidate fewest edits (insertions, deletions, changes, swaps of neighbours) away from
// `name`, if it is near enough to be the one meant; "" otherwise.
std::string nearestName(const std::string& name, const std::vector<std::string>& candidates);

// " (did you mean \"NAME\"?)" for the nearest candidate, or "" when none is near.
std::string didYouMean(const std::string& name, const std::vector<std::string>& candidates);

}  // namespace panel
