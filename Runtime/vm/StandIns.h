// The managed library's methods that the module calls back, written in C++ as stand-ins. Each
// subject keeps its own table of (class, signature, function) in a file of its own and hands it
// to defineStandIns from defineManagedLibrary, once the classes it names are defined. What each
// stand-in does is documented in docs/managed-stand-ins.md.
#pragma once

#include <span>

#include "vm/Vm.h"

namespace vm {

struct StandIn {
  const char* className;
  const char* signature;
  void (*body)(Frame& frame);
};

inline void defineStandIns(Vm& vm, std::span<const StandIn> table) {
  for (const StandIn& s : table) vm.defineMethod(s.className, s.signature, s.body);
}

// The generic methods of uxclasses/baseclasses/CuxGraphics.
void defineGraphicsStandIns(Vm& vm);

}  // namespace vm
