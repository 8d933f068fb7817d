// The managed side of uxclasses/baseclasses/CuxLanguageMgr as far as the module meets it: its
// fields and the method the module calls back with each system language.
#pragma once

namespace vm {

class Vm;

inline constexpr const char* kLanguageMgrClass = "uxclasses/baseclasses/CuxLanguageMgr";

// The class, with systemLanguageSlots ([I) and systemLanguageCount (I).
void defineLanguageMgrClass(Vm& vm);

// addSystemLanguageFromNative(I)V: stores the slot at element systemLanguageCount of
// systemLanguageSlots when that element exists, then adds 1 to systemLanguageCount (wrapping).
void addSystemLanguageFromNative(class Frame& frame);

}  // namespace vm
