// The core service library's wide printf. The format is wide and so is the output; each
// conversion is rendered by the C library into a bounded narrow buffer and then widened.
// Supported: flags "-+ #0", a width and a precision (digits or '*'), the length modifiers
// h, hh, l, ll, and the conversions d i u o x X c f F e E g G s %. %s takes a wide string,
// %c a wide character. The caller sizes the buffer; one conversion yields at most 511
// characters, and widths and precisions above that are taken as 511.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/CoreServices.h"

namespace {

constexpr int kMaxConversion = 511;

// One conversion as written in the format, kept in fixed storage: formatting allocates nothing.
struct Spec {
  char flags[8] = {};  // at most the five distinct flags and the '-' a negative width adds
  int flagCount = 0;
  int width = -1;      // -1: none
  int precision = -1;  // -1: none
  char length[3] = {};
  char conversion = 0;

  void addFlag(char c) {
    if (flagCount < 7) flags[flagCount++] = c;
  }
  bool hasFlag(char c) const {
    for (int i = 0; i < flagCount; ++i)
      if (flags[i] == c) return true;
    return false;
  }
};

int clampCount(long v) { return v > kMaxConversion ? kMaxConversion : static_cast<int>(v); }

// Reads digits or '*' from the format; '*' takes an int argument.
int readCount(const UniChar*& f, va_list& args, bool& fromArgument) {
  fromArgument = false;
  if (*f == u'*') {
    ++f;
    fromArgument = true;
    return va_arg(args, int);
  }
  long v = 0;
  bool any = false;
  while (*f >= u'0' && *f <= u'9') {
    any = true;
    if (v <= kMaxConversion) v = v * 10 + (*f - u'0');
    ++f;
  }
  return any ? clampCount(v) : -1;
}

// Appends a non-negative count in decimal.
char* putCount(char* p, int v) {
  char digits[12];
  int n = 0;
  do digits[n++] = static_cast<char>('0' + v % 10);
  while ((v /= 10) > 0);
  while (n > 0) *p++ = digits[--n];
  return p;
}

// The conversion as a C format, e.g. "%07.2f".
void narrowSpec(const Spec& s, char (&out)[40]) {
  char* p = out;
  *p++ = '%';
  for (int i = 0; i < s.flagCount; ++i) *p++ = s.flags[i];
  if (s.width >= 0) p = putCount(p, s.width);
  if (s.precision >= 0) {
    *p++ = '.';
    p = putCount(p, s.precision);
  }
  for (const char* l = s.length; *l != 0 && l < s.length + 2; ++l) *p++ = *l;
  *p++ = s.conversion;
  *p = 0;
}

class Output {
 public:
  explicit Output(UniChar* buffer) : buffer_(buffer) {}
  void put(UniChar c) { buffer_[count_++] = c; }
  void putNarrow(const char* text, int n) {
    for (int i = 0; i < n && text[i] != 0; ++i)
      put(static_cast<UniChar>(static_cast<uint8_t>(text[i])));
  }
  int32_t finish() {
    buffer_[count_] = 0;
    return count_;
  }

 private:
  UniChar* buffer_;
  int32_t count_ = 0;
};

template <typename T>
void putNumber(Output& out, const Spec& spec, T value) {
  char format[40];
  narrowSpec(spec, format);
  char narrow[kMaxConversion + 1];
  const int n = std::snprintf(narrow, sizeof narrow, format, value);
  if (n > 0) out.putNarrow(narrow, n < kMaxConversion ? n : kMaxConversion);
}

void putWideString(Output& out, const Spec& spec, const UniChar* text) {
  static const UniChar kNull[] = u"(null)";
  if (!text) text = kNull;
  int n = 0;
  while (text[n] != 0 && (spec.precision < 0 || n < spec.precision)) ++n;
  const bool left = spec.hasFlag('-');
  const int pad = spec.width > n ? spec.width - n : 0;
  if (!left)
    for (int i = 0; i < pad; ++i) out.put(u' ');
  for (int i = 0; i < n; ++i) out.put(text[i]);
  if (left)
    for (int i = 0; i < pad; ++i) out.put(u' ');
}

void putInteger(Output& out, const Spec& spec, va_list& args) {
  const bool isSigned = spec.conversion == 'd' || spec.conversion == 'i';
  const std::string_view length = spec.length;
  if (length == "ll") {
    if (isSigned)
      putNumber(out, spec, va_arg(args, long long));
    else
      putNumber(out, spec, va_arg(args, unsigned long long));
  } else if (length == "l") {
    if (isSigned)
      putNumber(out, spec, va_arg(args, long));
    else
      putNumber(out, spec, va_arg(args, unsigned long));
  } else {
    // h and hh are applied by the C library to the promoted int.
    if (isSigned)
      putNumber(out, spec, va_arg(args, int));
    else
      putNumber(out, spec, va_arg(args, unsigned int));
  }
}

// A format whose text is ASCII and whose conversions all take numbers can go to the C library
// in one piece: the usual case (dates, clocks, "%0*.*f") costs one vsnprintf.
bool narrowCopy(const UniChar* format, char (&narrow)[128]) {
  int n = 0;
  for (const UniChar* f = format; *f != 0; ++f) {
    if (*f > 0x7E || n + 1 >= static_cast<int>(sizeof narrow)) return false;
    if (*f == u'%') {
      const UniChar* c = f + 1;
      while (*c != 0 && std::strchr("-+ #0123456789.*hl", static_cast<char>(*c)) && *c < 0x80) ++c;
      if (*c == 0 || !std::strchr("diuoxXfFeEgG%", static_cast<char>(*c)) || *c > 0x7E)
        return false;
    }
    narrow[n++] = static_cast<char>(*f);
  }
  narrow[n] = 0;
  return true;
}

}  // namespace

extern "C" int32_t osUTusprintf(UniChar* buffer, const UniChar* format, ...) {
  if (!buffer) return 0;
  Output out(buffer);
  if (!format) return out.finish();
  va_list args;
  va_start(args, format);
  if (char narrowFormat[128]; narrowCopy(format, narrowFormat)) {
    char narrow[kMaxConversion + 1];
    const int n = std::vsnprintf(narrow, sizeof narrow, narrowFormat, args);
    va_end(args);
    if (n > 0) out.putNarrow(narrow, n < kMaxConversion ? n : kMaxConversion);
    return out.finish();
  }
  for (const UniChar* f = format; *f != 0;) {
    if (*f != u'%') {
      out.put(*f++);
      continue;
    }
    const UniChar* start = f++;
    Spec spec;
    while (*f == u'-' || *f == u'+' || *f == u' ' || *f == u'#' || *f == u'0')
      spec.addFlag(static_cast<char>(*f++));
    bool fromArgument = false;
    spec.width = readCount(f, args, fromArgument);
    if (fromArgument && spec.width < 0) {
      // A negative width from an argument means left adjustment, as in C.
      spec.addFlag('-');
      spec.width =
          spec.width == INT32_MIN ? kMaxConversion : clampCount(-static_cast<long>(spec.width));
    } else if (fromArgument) {
      spec.width = clampCount(spec.width);
    }
    if (*f == u'.') {
      ++f;
      spec.precision = readCount(f, args, fromArgument);
      if (spec.precision < -1 || (fromArgument && spec.precision < 0))
        spec.precision = -1;
      else if (spec.precision < 0)
        spec.precision = 0;  // "%.f": precision 0
      else
        spec.precision = clampCount(spec.precision);
    }
    for (int i = 0; *f == u'h' || *f == u'l'; ++f)
      if (i < 2) spec.length[i++] = static_cast<char>(*f);
    spec.conversion = static_cast<char>(*f);
    switch (*f) {
      case u'd':
      case u'i':
      case u'u':
      case u'o':
      case u'x':
      case u'X':
        putInteger(out, spec, args);
        break;
      case u'f':
      case u'F':
      case u'e':
      case u'E':
      case u'g':
      case u'G':
        spec.length[0] = 0;
        putNumber(out, spec, va_arg(args, double));
        break;
      case u'c': {
        Spec text = spec;
        const UniChar c[2] = {static_cast<UniChar>(va_arg(args, int)), 0};
        text.precision = -1;
        putWideString(out, text, c);
        break;
      }
      case u's':
        putWideString(out, spec, va_arg(args, const UniChar*));
        break;
      case u'%':
        out.put(u'%');
        break;
      default:
        // Not a conversion this service knows: the text goes out as written.
        for (const UniChar* p = start; p != f; ++p) out.put(*p);
        if (*f == 0) {
          va_end(args);
          return out.finish();
        }
        out.put(*f);
        break;
    }
    ++f;
  }
  va_end(args);
  return out.finish();
}
