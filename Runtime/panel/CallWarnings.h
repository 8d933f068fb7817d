// What a call that runs cleanly may still fail to draw as meant: a box of zero size, a null font,
// a canvas on a layer the screen does not have, decimals with no separator to show them, a group
// with no member shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "panel/Values.h"

namespace panel {

struct CallWarning {
  std::string message;
  const Json* node;  // the argument or call it is about
};

// `args` are the call's argument values in declaration order, `call` the call itself.
std::vector<CallWarning> callWarnings(vm::Vm& vm, const vm::NativeMethod& native,
                                      std::optional<jref> self,
                                      const std::vector<const Json*>& args,
                                      const std::vector<vm::Arg>& values, const Json& call,
                                      int layers);

}  // namespace panel
