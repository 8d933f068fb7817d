// Text made safe to stand in HTML or XML content or in a quoted attribute.
#pragma once

#include <string>
#include <string_view>

namespace panel {

// Escapes the markup characters and both quotes; tab and newline become character references
// (an attribute keeps them so), and the other control characters, which XML 1.0 does not allow
// at all, become spaces.
std::string markupEscaped(std::string_view text);

}  // namespace panel
