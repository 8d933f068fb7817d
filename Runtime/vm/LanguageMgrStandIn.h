// The managed side of uxclasses/baseclasses/CuxLanguageMgr as far as the module meets it: its
// fields, and the method the module calls back with each system language
// (docs/managed-stand-ins.md).
#pragma once

namespace vm {

class Vm;

inline constexpr const char* kLanguageMgrClass = "uxclasses/baseclasses/CuxLanguageMgr";

// The class, with systemLanguageSlots ([I) and systemLanguageCount (I), and its stand-in
// addSystemLanguageFromNative(I)V.
void defineLanguageMgr(Vm& vm);

}  // namespace vm
