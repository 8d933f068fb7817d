#include "bridge/Registrar.h"

#include "platform/CoreServices.h"
#include "platform/VmInterface.h"

namespace zelmo {
namespace {

// "Failed to init native support for uxclasses.graphics.CuxArc : %s" for
// "uxclasses/graphics/CuxArc"; a class name too long for the buffer is cut short.
void failureFormat(const char* className, UniChar (&out)[128]) {
  constexpr char16_t kHead[] = u"Failed to init native support for ";
  constexpr char16_t kTail[] = u" : %s";
  constexpr uint32_t kLast = sizeof out / sizeof out[0] - (sizeof kTail / sizeof kTail[0]);
  uint32_t n = 0;
  for (const char16_t* c = kHead; *c; ++c) out[n++] = *c;
  for (const char* c = className; *c && n < kLast; ++c)
    out[n++] = *c == '/' ? u'.' : static_cast<UniChar>(static_cast<unsigned char>(*c));
  for (const char16_t* c = kTail; *c; ++c) out[n++] = *c;
  out[n] = 0;
}

}  // namespace

const UniChar* const moduleName = u"ZelmoGraphics";

int32_t initCheck() { return 0; }

int32_t registerClass(const char* className, std::span<const NativeEntry> natives,
                      FatalReportSite report, int32_t (*check)()) {
  const int32_t status = check ? check() : 0;
  if (status != 0) {
    UniChar format[128];
    failureFormat(className, format);
    // The message's placeholder is %s: hand it the status as text, never as a bare integer.
    UniChar statusText[12];
    osUTitou(status, statusText, 10);
    osERfatalError(moduleName, report.sourceFile, report.line, format, statusText);
  }
  int32_t result = 0;
  for (const NativeEntry& native : natives)
    result = registerNativeMethod(className, native.signature, native.function);
  return result;
}

}  // namespace zelmo
