// The VM's records behind method slots: managed stand-ins and what each slot resolves to.
#pragma once

#include <string>
#include <vector>

#include "vm/Vm.h"

namespace vm {

struct ManagedMethod {
  const ClassDef* cls;
  std::string signature;
  Descriptor descriptor;
  ManagedBody body;
};

// What a (class, signature) finds on the class chain: a module native (its index among the
// registrations) or a managed stand-in, or nothing.
struct ResolvedMethod {
  static constexpr size_t kNoNative = static_cast<size_t>(-1);
  size_t native = kNoNative;
  const ManagedMethod* managed = nullptr;
  bool found() const { return native != kNoNative || managed; }
};

struct MethodSlot {
  const ClassDef* cls;  // the class the slot names
  std::string signature;
  Descriptor descriptor;
  size_t refSlots;   // reference slots the call takes, `this` included
  size_t primSlots;  // primitive slots
  // The method found from each receiver class (by class id), valid for one generation of the
  // VM's methods.
  std::vector<ResolvedMethod> byClass;
  std::vector<bool> known;
  uint64_t generation = 0;
};

}  // namespace vm
