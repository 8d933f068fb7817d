// The native reference as text: docs/natives.md, and the entries `zelmo-panel --describe` prints.
#pragma once

#include <string>
#include <string_view>

#include "panel/natives/NativeReference.h"

namespace panel::natives {

// The whole of docs/natives.md.
std::string markdownReference();

// One native's reference for a terminal, value sets spelt out.
std::string describe(const ManagedClass& cls, const Native& native);

// Every native whose class and signature, as `zelmo-panel --list-natives` prints them, hold
// `name` in any case, described one after the other; "" when none does.
std::string describeMatching(std::string_view name);

// The Java-like name of a descriptor type: "I" → "int", "[Ljava/lang/String;" → "String[]".
std::string typeName(std::string_view descriptorType);

}  // namespace panel::natives
