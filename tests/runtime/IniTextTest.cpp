// The configuration file's text: what a key reads as, and what a write changes (only its value,
// byte for byte).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/IniText.h"

namespace zelmo::test {
namespace {

using core::ini::findValue;
using core::ini::withValue;

constexpr const char* kLang = "Language";

// The plain reads and the texts configparser takes apart are checked against configparser itself
// in ConfigParserInteropTest; here, what it does not show: keys that are absent or refused.
TEST(IniText, KeysMatchWithoutCaseAndOnlyInTheirSection) {
  const struct {
    const char* text;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"[Language]\nuserapplicationlanguagenum1 = 5\n", "UserApplicationLanguageNum1", "5"},
      {"[language]\nk = v\n", "k", std::nullopt},  // sections keep their case
      {"[Language]\n  k\t=\t  spaced value  \n", "k", "spaced value"},
      {"[Language]\nk = a=b:c\n", "k", "a=b:c"},
      {"[DEFAULT]\nk = d\n[Language]\n", "k", "d"},
      {"[DEFAULT]\nk = d\n", "k", std::nullopt},  // no such section
      {"k = top\n[Language]\n", "k", std::nullopt},
      {"[Language]\nk =\n", "k", ""},
      {"[Language]\njunk line\nk = v\n", "k", "v"},
      {"[Language]\n= v\n", "", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(findValue(c.text, kLang, c.key), c.value) << c.text;
}

TEST(IniText, WritingChangesOnlyTheValueOrAddsOneLine) {
  const struct {
    const char* text;
    const char* key;
    const char* expected;
  } cases[] = {
      // In place, keeping the key's spelling, delimiter, spacing and everything around.
      {"; top\n[Language]\n# c\nUserApplicationLanguageNum1 : 5   \nother = x\n\n[D]\nb = 3\n",
       "UserApplicationLanguageNum1",
       "; top\n[Language]\n# c\nUserApplicationLanguageNum1 : v   \nother = x\n\n[D]\nb = 3\n"},
      {"[Language]\nuserapplicationlanguagenum1=5\n", "UserApplicationLanguageNum1",
       "[Language]\nuserapplicationlanguagenum1=v\n"},
      {"[Language]\nk = a\n  b\n\n  c\nz = 1\n", "k", "[Language]\nk = v\nz = 1\n"},
      {"[Language]\nk =\n", "k", "[Language]\nk = v\n"},
      {"[Language]\nk = 1\n[Language]\nk = 2\n", "k", "[Language]\nk = 1\n[Language]\nk = v\n"},
      // A new key ends the section, before the comments that lead to the next one.
      {"[Language]\na = 1\n\n# display\n[D]\nb = 2\n", "k",
       "[Language]\na = 1\nk = v\n\n# display\n[D]\nb = 2\n"},
      {"[Language]\na = 1\n[D]\n[Language]\nb = 2\n", "k",
       "[Language]\na = 1\n[D]\n[Language]\nb = 2\nk = v\n"},
      {"[Language]", "k", "[Language]\nk = v\n"},
      {"[Language]\r\na = 1\r\n", "k", "[Language]\r\na = 1\r\nk = v\r\n"},
      {"[Language]\n  a = 1\n  [D]\n", "k", "[Language]\n  a = 1\n  k = v\n  [D]\n"},
      {"[Language]\njunk\n  [D]\n", "k", "[Language]\njunk\n  k = v\n  [D]\n"},
      // A new section ends the text.
      {"", "k", "[Language]\nk = v\n"},
      {"[D]\nb = 2", "k", "[D]\nb = 2\n\n[Language]\nk = v\n"},
      {"[DEFAULT]\nk = d\n", "k", "[DEFAULT]\nk = d\n\n[Language]\nk = v\n"},
  };
  for (const auto& c : cases) {
    const std::string written = withValue(c.text, kLang, c.key, "v");
    EXPECT_EQ(written, c.expected) << c.text;
    EXPECT_EQ(findValue(written, kLang, c.key), "v") << written;
  }
}

TEST(IniText, RefusesNamesAndValuesThatWouldNotReadBack) {
  for (const char* key : {"", "a=b", "a:b", "#a", ";a", "[a]", " a", "a ", "a\nb", "a\rb"})
    EXPECT_FALSE(core::ini::isWritableKey(key)) << key;
  EXPECT_TRUE(core::ini::isWritableKey("UserApplicationLanguageName2147483647"));
  EXPECT_TRUE(core::ini::isWritableKey("a b#;[]"));
  EXPECT_FALSE(core::ini::isWritableSection(""));
  EXPECT_FALSE(core::ini::isWritableSection("a\nb"));
  EXPECT_TRUE(core::ini::isWritableSection(" odd ] name "));
  EXPECT_FALSE(core::ini::isWritableValue("two\nlines"));
  EXPECT_FALSE(core::ini::isWritableValue("two\rlines"));
  EXPECT_TRUE(core::ini::isWritableValue("Deutsch ; Schweiz = 100%"));
}

}  // namespace
}  // namespace zelmo::test
