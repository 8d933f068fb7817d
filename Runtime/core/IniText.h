// The configuration store's file text: INI as Python's configparser reads it, parsed by hand so
// that one line-keeping parser serves reading and editing alike.
//
// `[Section]` headers (names compared exactly), `key = value` or `key: value` entries (keys
// compared ignoring ASCII case), whole-line `#` and `;` comments, no inline comments, blanks
// around keys and values dropped, lines indented deeper than their entry continuing its value,
// and [DEFAULT] supplying keys that a present section lacks. Lines that fit none of these are
// kept as they are and otherwise ignored. Text is UTF-8 and taken as bytes; line breaks are LF,
// CRLF or a lone CR.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core::ini {

// The value of `key` in `section` as configparser reads it (continuation lines joined with LF),
// or nothing when the key is absent.
std::optional<std::string> findValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// `text` with `key` in `section` set to `value`: the entry that findValue reads is rewritten in
// place, or a new entry ends the section's last occurrence, or a new section ends the text.
// Every other byte is kept. The names and the value must pass the checks below.
std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

// Whether a name or value, once written, reads back as itself: no line breaks anywhere, a key
// without delimiters or surrounding blanks that does not start like a comment or a header.
bool isWritableSection(std::string_view section);
bool isWritableKey(std::string_view key);
bool isWritableValue(std::string_view value);

}  // namespace core::ini
