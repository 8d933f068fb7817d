// Helpers for the direct tests of the formatters: UTF-8 views of wide texts, and the two
// separator conventions a panel is set up with.
#pragma once

#include <array>
#include <string>

#include "format/NumberFormat.h"

namespace zelmo::test {

inline constexpr format::Separators kPointComma{u'.', u','};
inline constexpr format::Separators kCommaPoint{u',', u'.'};

// Texts here are ASCII, so each unit is one character.
inline std::string ascii(const UniChar* chars, int32_t count) {
  std::string out;
  for (int32_t i = 0; i < count; ++i) out += static_cast<char>(chars[i]);
  return out;
}

// The same text as a panel set up with the other convention shows it: points and commas swap.
inline std::string swapSeparators(std::string text) {
  for (char& c : text) c = c == '.' ? ',' : c == ',' ? '.' : c;
  return text;
}

// A buffer with guard units on both sides: a formatter that writes past its 80 characters
// (or before them) changes a guard.
template <size_t N>
struct GuardedBuffer {
  static constexpr UniChar kGuard = 0xBEEF;
  std::array<UniChar, N + 16> raw;
  GuardedBuffer() { raw.fill(kGuard); }
  std::span<UniChar, N> span() { return std::span<UniChar, N>(raw.data() + 8, N); }
  bool guardsIntact() const {
    for (size_t i = 0; i < 8; ++i)
      if (raw[i] != kGuard || raw[N + 8 + i] != kGuard) return false;
    return true;
  }
  // The guards are intact and a text of `n` units ends in a NUL inside the buffer.
  bool holds(int32_t n) const {
    return guardsIntact() && n >= 0 && static_cast<size_t>(n) < N &&
           raw[8 + static_cast<size_t>(n)] == 0;
  }
};

}  // namespace zelmo::test
