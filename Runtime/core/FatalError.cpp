#include "core/FatalError.h"

#include <cstdarg>
#include <cstdio>

#include "core/Utf.h"
#include "platform/CoreServices.h"

namespace core {
namespace {

std::vector<FatalReport>& reports() {
  static std::vector<FatalReport> list;
  return list;
}

std::u16string wideText(const UniChar* text) {
  std::u16string out;
  for (; text && *text; ++text) out += *text;
  return out;
}

// Fills a wide format: %s takes a wide string, %d and %i an int, %u an unsigned, %% a percent.
std::u16string format(const UniChar* fmt, va_list args) {
  std::u16string out;
  for (; fmt && *fmt; ++fmt) {
    if (*fmt != u'%' || fmt[1] == 0) {
      out += *fmt;
      continue;
    }
    ++fmt;
    switch (*fmt) {
      case u's': {
        const auto* s = va_arg(args, const UniChar*);
        out += s ? wideText(s) : u"(null)";
        break;
      }
      case u'd':
      case u'i':
        for (char c : std::to_string(va_arg(args, int))) out += static_cast<char16_t>(c);
        break;
      case u'u':
        for (char c : std::to_string(va_arg(args, unsigned))) out += static_cast<char16_t>(c);
        break;
      default:
        out += u'%';
        out += *fmt;
    }
  }
  return out;
}

}  // namespace

const std::vector<FatalReport>& fatalReports() { return reports(); }
void clearFatalReports() { reports().clear(); }

}  // namespace core

extern "C" void osERfatalError(const UniChar* moduleName, const char* sourceFile, uint32_t line,
                               const UniChar* format, ...) {
  va_list args;
  va_start(args, format);
  const std::u16string message = core::format(format, args);
  va_end(args);
  core::FatalReport report{core::utf8FromUtf16(core::wideText(moduleName)),
                           sourceFile ? sourceFile : "", line, core::utf8FromUtf16(message)};
  std::fprintf(stderr, "%s: fatal error at %s:%u: %s\n", report.moduleName.c_str(),
               report.sourceFile.c_str(), report.line, report.message.c_str());
  core::reports().push_back(std::move(report));
}
