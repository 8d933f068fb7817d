// Registration of a managed class's natives with the virtual machine, shared by all sixteen
// class files: each hands its table to registerClass from its init export.
#pragma once

#include <span>

#include "platform/PlatformTypes.h"

#define ZELMO_EXPORT extern "C" __attribute__((visibility("default")))

namespace zelmo {

struct NativeEntry {
  const char* signature;
  NativeFunction function;
};

struct ClassRegistration {
  const char* className;          // slash form, e.g. "uxclasses/graphics/CuxArc"
  const char* sourceFile;         // named in the fatal report
  uint32_t line;                  // named in the fatal report
  const UniChar* failureMessage;  // wide format with one %s for the check's result
  int32_t (*initCheck)();
  std::span<const NativeEntry> natives;  // in registration order
};

// The module name every fatal report carries.
extern const UniChar* const moduleName;

// Native support needs nothing prepared, so the check always succeeds.
int32_t initCheck();

// Runs the class's check (a failure is reported, and registration goes on regardless), then
// registers every native in order. Returns the last registerNativeMethod result, or 0 if none.
int32_t registerClass(const ClassRegistration& registration);

}  // namespace zelmo
