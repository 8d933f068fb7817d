#include "shapes/GroupWalk.h"

#include <array>

namespace zelmo {
namespace {

// The groups whose walks are under way, outermost first.
std::array<jref, GroupWalk::kMaxNestedWalks> walking{};
int32_t depth = 0;

bool isWalking(jref group) {
  for (int32_t i = 0; i < depth; ++i)
    if (walking[i] == group) return true;
  return false;
}

}  // namespace

GroupWalk::GroupWalk(jref group)
    : allowed_(group != 0 && depth < kMaxNestedWalks && !isWalking(group)) {
  if (allowed_) walking[depth++] = group;
}

GroupWalk::~GroupWalk() {
  if (allowed_) --depth;
}

}  // namespace zelmo
