// The device's system languages: a language code per slot, as the panel's screen gives them.
#pragma once

#include <string>
#include <vector>

namespace core {

inline constexpr int kSystemLanguageSlots = 9;

// Slot i gets codes[i]; slots beyond the list, and "" codes, are not in use.
void setSystemLanguageCodes(const std::vector<std::u16string>& codes);

}  // namespace core
