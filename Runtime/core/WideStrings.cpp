// The core service library's wide-string and memory functions. Null pointers are treated as
// empty strings, so a module bug shows up as wrong text rather than a crash of the runtime.
#include <cstring>

#include "platform/CoreServices.h"

extern "C" {

int32_t osUTustrlen(const UniChar* text) {
  int32_t n = 0;
  while (text && text[n] != 0) ++n;
  return n;
}

UniChar* osUTustrcpy(UniChar* destination, const UniChar* source) {
  if (!destination) return destination;
  int32_t i = 0;
  for (; source && source[i] != 0; ++i) destination[i] = source[i];
  destination[i] = 0;
  return destination;
}

UniChar* osUTustrcat(UniChar* destination, const UniChar* source) {
  if (!destination) return destination;
  osUTustrcpy(destination + osUTustrlen(destination), source);
  return destination;
}

int32_t osUTustrncmp(const UniChar* a, const UniChar* b, int32_t n) {
  static const UniChar empty[1] = {0};
  if (!a) a = empty;
  if (!b) b = empty;
  for (int32_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    if (a[i] == 0) return 0;
  }
  return 0;
}

int32_t osUTustrcmp(const UniChar* a, const UniChar* b) { return osUTustrncmp(a, b, INT32_MAX); }

UniChar* osUTustrrchr(const UniChar* text, UniChar c) {
  const UniChar* found = nullptr;
  for (const UniChar* p = text; p; ++p) {
    if (*p == c) found = p;
    if (*p == 0) break;
  }
  return const_cast<UniChar*>(found);
}

UniChar osUTtoupper(UniChar c) {
  if (c >= u'a' && c <= u'z') return static_cast<UniChar>(c - u'a' + u'A');
  // Latin-1 lower-case letters, except the division sign and y with diaeresis.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<UniChar>(c - 0x20);
  return c;
}

void* osUTmemcpy(void* destination, const void* source, size_t count) {
  if (!destination || !source || count == 0) return destination;
  return std::memmove(destination, source, count);
}

void* osUTmemset(void* destination, int32_t value, size_t count) {
  if (!destination || count == 0) return destination;
  return std::memset(destination, value, count);
}

}  // extern "C"
