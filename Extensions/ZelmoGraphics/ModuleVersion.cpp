// The module's version, reported by GetDLMAppVersion and stamped into the binary as a marker
// that tools search the file for.
#include "bridge/Registrar.h"

namespace {

constexpr const char* kVersion = "6.2.9.34";
[[gnu::used]] const char kVersionMarker[] = "##DLM_AppVersion##6.2.9.34";

}  // namespace

ZELMO_EXPORT const char* GetDLMAppVersion() { return kVersion; }
