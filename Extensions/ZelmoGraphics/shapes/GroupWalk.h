// Guards the walks of a group over its members. Managed code may put a group inside itself,
// directly or through member groups; each member's upcall would then walk the same group again
// until the stack runs out. A walk of a group that is already being walked further up the
// native call chain is refused, and at most kMaxNestedWalks walks nest, so that a group holding
// itself several times cannot fan out into exponentially many calls either.
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace zelmo {

class GroupWalk {
 public:
  static constexpr int32_t kMaxNestedWalks = 32;

  // Groups are told apart by reference: their storage moves, their reference does not.
  explicit GroupWalk(jref group);
  ~GroupWalk();
  GroupWalk(const GroupWalk&) = delete;
  GroupWalk& operator=(const GroupWalk&) = delete;

  // False when this walk must not run.
  bool allowed() const { return allowed_; }

 private:
  bool allowed_;
};

}  // namespace zelmo
