// The configuration file parser: any text is read without fault, and a write changes the one
// value it sets, reads back as that value, and leaves every other key reading as before.
//
// Input: "section\0key\0value\0" then the file text; without three NULs, fixed names are used
// and the whole input is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/IniText.h"

namespace {

std::vector<std::string_view> splitAtNul(std::string_view input, size_t parts) {
  std::vector<std::string_view> out;
  while (out.size() < parts) {
    const size_t nul = input.find('\0');
    if (nul == input.npos) return {};
    out.push_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  out.push_back(input);
  return out;
}

bool plainEnds(std::string_view value) {
  const auto plain = [](char c) { return c > ' ' && static_cast<unsigned char>(c) < 0x7F; };
  return value.empty() || (plain(value.front()) && plain(value.back()));
}

bool sameKey(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> parts = splitAtNul(input, 3);
  if (parts.empty()) parts = {"Language", "UserApplicationLanguageName1", "Deutsch", input};
  const std::string_view section = parts[0], key = parts[1], value = parts[2], text = parts[3];

  (void)core::ini::findValue(text, section, key);
  if (!core::ini::isWritableSection(section) || !core::ini::isWritableKey(key) ||
      !core::ini::isWritableValue(value))
    return 0;
  const std::string written = core::ini::withValue(text, section, key, value);
  if (plainEnds(value)) check(core::ini::findValue(written, section, key) == std::string(value));
  // Every other key reads as before. Exceptions that follow from [DEFAULT]: setting a key there
  // shows through in every section lacking it, and a new section shows all of [DEFAULT].
  using core::ini::findValue;
  for (const std::string_view other : {std::string_view("a"), std::string_view("b"), key}) {
    for (const std::string_view place :
         {section, std::string_view("DEFAULT"), std::string_view("S")}) {
      if (sameKey(other, key) && (place == section || section == "DEFAULT")) continue;
      const auto before = findValue(text, place, other), after = findValue(written, place, other);
      check(after == before ||
            (place == section && !before && after == findValue(written, "DEFAULT", other)));
    }
  }
  return 0;
}
