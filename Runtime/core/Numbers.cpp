// The core service library's integer-to-text conversion.
#include "platform/CoreServices.h"

extern "C" UniChar* osUTitou(int32_t value, UniChar* buffer, int32_t base) {
  if (!buffer) return buffer;
  if (base < 2 || base > 36) base = 10;
  // Base 10 is signed; other bases show the 32 bits unsigned.
  const bool negative = base == 10 && value < 0;
  uint32_t magnitude = static_cast<uint32_t>(value);
  if (negative) magnitude = 0u - magnitude;
  UniChar digits[33];
  int32_t n = 0;
  do {
    const uint32_t d = magnitude % static_cast<uint32_t>(base);
    digits[n++] = static_cast<UniChar>(d < 10 ? u'0' + d : u'a' + d - 10);
    magnitude /= static_cast<uint32_t>(base);
  } while (magnitude != 0);
  int32_t out = 0;
  if (negative) buffer[out++] = u'-';
  while (n > 0) buffer[out++] = digits[--n];
  buffer[out] = 0;
  return buffer;
}
