// The native reference as Markdown: docs/natives.md.
#pragma once

#include <string>
#include <string_view>

#include "panel/natives/NativeReference.h"

namespace panel::natives {

// The whole of docs/natives.md.
std::string markdownReference();

// The Java-like name of a descriptor type: "I" → "int", "[Ljava/lang/String;" → "String[]".
std::string typeName(std::string_view descriptorType);

}  // namespace panel::natives
