#include "bridge/Registrar.h"

#include "platform/CoreServices.h"
#include "platform/VmInterface.h"

namespace zelmo {

const UniChar* const moduleName = u"ZelmoGraphics";

int32_t initCheck() { return 0; }

int32_t registerClass(const ClassRegistration& registration) {
  const int32_t status = registration.initCheck ? registration.initCheck() : 0;
  if (status != 0) {
    // The message's placeholder is %s: hand it the status as text, never as a bare integer.
    UniChar statusText[12];
    osUTitou(status, statusText, 10);
    osERfatalError(moduleName, registration.sourceFile, registration.line,
                   registration.failureMessage, statusText);
  }
  int32_t result = 0;
  for (const NativeEntry& native : registration.natives)
    result = registerNativeMethod(registration.className, native.signature, native.function);
  return result;
}

}  // namespace zelmo
