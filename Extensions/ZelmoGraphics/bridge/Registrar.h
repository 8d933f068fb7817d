// Registration of a managed class's natives with the virtual machine, shared by all sixteen
// class files: each init export hands its class name, table and report site to registerClass.
#pragma once

#include <span>

#include "platform/PlatformTypes.h"

#define ZELMO_EXPORT extern "C" __attribute__((visibility("default")))

namespace zelmo {

struct NativeEntry {
  const char* signature;
  NativeFunction function;
};

// Where a failed class check is reported from. The line is not a line of this module's files:
// it is part of the report that panel logs and service tools have always keyed each class's
// failure on, so it stays as it is however the class file changes.
struct FatalReportSite {
  const char* sourceFile;  // without folder and extension, e.g. "uxClasses_Graphics_CuxArc"
  uint32_t line;
};

// The module name every fatal report carries.
extern const UniChar* const moduleName;

// Native support needs nothing prepared, so the check always succeeds; the report path stays for
// a check that one day can fail.
int32_t initCheck();

// Runs `check` (a failure is reported as "Failed to init native support for <class in dotted
// form> : <result>", and registration goes on regardless), then registers every native of
// `className` (slash form) in table order. Returns the last registerNativeMethod result, or 0 if
// the table is empty.
int32_t registerClass(const char* className, std::span<const NativeEntry> natives,
                      FatalReportSite report, int32_t (*check)() = initCheck);

}  // namespace zelmo
