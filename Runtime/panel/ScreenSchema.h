// A JSON Schema (draft 2020-12) of screen files, so that an editor completes and checks a screen
// as it is typed: the top-level keys, each class's fields with their types and ranges, the
// statics, and every native's call with its positional and named arguments.
#pragma once

#include "panel/Values.h"

namespace panel {

// `vm` holds the managed library's classes; no module is needed.
Json screenSchema(const vm::Vm& vm);

}  // namespace panel
