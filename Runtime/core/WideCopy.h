// Copying text into a caller's fixed wide buffer.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace core {

// Copies as much of `text` as fits before the terminator into buffer[capacity], never the first
// half of a surrogate pair without its second. Does nothing when there is no room at all.
inline void copyWhole(std::u16string_view text, UniChar* buffer, int32_t capacity) {
  if (!buffer || capacity <= 0) return;
  size_t count = text.size() < static_cast<size_t>(capacity - 1)
                     ? text.size()
                     : static_cast<size_t>(capacity - 1);
  if (count > 0 && count < text.size() && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF)
    --count;
  for (size_t i = 0; i < count; ++i) buffer[i] = text[i];
  buffer[count] = 0;
}

}  // namespace core
