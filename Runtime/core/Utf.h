// Conversions between the module's UTF-16 text and UTF-8, for traces, files and fonts.
#pragma once

#include <string>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace core {

// Unpaired surrogates become U+FFFD; a null pointer or a count <= 0 gives "".
std::string utf8FromUtf16(const UniChar* chars, int32_t count);
std::string utf8FromUtf16(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string utf16FromUtf8(std::string_view text);

// The code point at text[i], advancing i past it; an unpaired surrogate reads as U+FFFD.
char32_t nextCodePoint(std::u16string_view text, size_t& i);
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace core
