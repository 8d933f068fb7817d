// The core service library's configuration functions over the configuration store.
#include <charconv>
#include <optional>
#include <string>

#include "core/ConfigStore.h"
#include "core/Utf.h"
#include "core/WideCopy.h"
#include "platform/CoreServices.h"

namespace {

std::string utf8(const UniChar* text) { return core::utf8FromUtf16(std::u16string_view(text)); }

// Decimal, an optional sign, within 32 bits; anything else is no integer.
std::optional<int32_t> decimalInt32(std::string_view text) {
  const bool plus = !text.empty() && text[0] == '+';
  if (plus) text.remove_prefix(1);
  if (text.empty() || (plus && text[0] == '-')) return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

// A get whose key is absent writes nothing and fails; with `create` it first stores what the
// caller's variable or buffer holds as the key's value, and succeeds if that worked.
extern "C" bool osCGgetINT32(const UniChar* section, const UniChar* key, bool create,
                             int32_t* value) {
  if (!section || !key || !value) return false;
  std::string text;
  switch (core::readConfigValue(utf8(section), utf8(key), text)) {
    case core::ConfigRead::Found:
      if (const std::optional<int32_t> number = decimalInt32(text)) {
        *value = *number;
        return true;
      }
      return false;
    case core::ConfigRead::Absent:
      return create && core::writeConfigValue(utf8(section), utf8(key), std::to_string(*value));
    case core::ConfigRead::Failed:
      break;
  }
  return false;
}

extern "C" bool osCGsetINT32(const UniChar* section, const UniChar* key, int32_t value) {
  if (!section || !key) return false;
  return core::writeConfigValue(utf8(section), utf8(key), std::to_string(value));
}

extern "C" bool osCGgetUNICHAR(const UniChar* section, const UniChar* key, bool create,
                               int32_t capacity, UniChar* buffer) {
  if (!section || !key || !buffer || capacity <= 0) return false;
  std::string text;
  switch (core::readConfigValue(utf8(section), utf8(key), text)) {
    case core::ConfigRead::Found:
      core::copyWhole(core::utf16FromUtf8(text), buffer, capacity);
      return true;
    case core::ConfigRead::Absent: {
      if (!create) return false;
      // The buffer's text, up to its terminator or its end.
      std::u16string_view held(buffer, static_cast<size_t>(capacity));
      held = held.substr(0, held.find(u'\0'));
      return core::writeConfigValue(utf8(section), utf8(key), core::utf8FromUtf16(held));
    }
    case core::ConfigRead::Failed:
      break;
  }
  return false;
}

extern "C" bool osCGsetUNICHAR(const UniChar* section, const UniChar* key, const UniChar* value) {
  if (!section || !key || !value) return false;
  return core::writeConfigValue(utf8(section), utf8(key), utf8(value));
}
