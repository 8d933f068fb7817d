// The view of one native call. Reference slot 0 is `this` for an instance native; the other
// reference arguments and all primitive arguments are numbered in declaration order among their
// own kind. Slot i is the word i + 1 places below the frame pointer. A result goes to slot 0 of
// its kind, so a native writes it last, after reading every argument.
#pragma once

#include <bit>

#include "bridge/Field.h"
#include "geometry/Box.h"
#include "platform/VmInterface.h"

namespace zelmo {

// The field storage of an object, through its forwarding word (three words below the
// reference); null for the null reference.
inline Storage fieldsOf(jref object) {
  if (object == 0) return nullptr;
  uint32_t forwarding;
  std::memcpy(&forwarding, reinterpret_cast<const std::byte*>(uintptr_t{object}) - 12, 4);
  return reinterpret_cast<Storage>(uintptr_t{forwarding});
}

// The reference to store for an object given its field storage; 0 for none.
inline jref referenceOf(Storage fields) { return fields ? tendPtr(fields) : 0; }

class ManagedFrame {
 public:
  ManagedFrame() : refs_(*get_pfp()), prims_(*get_npfp()) {}

  jref refArg(uint32_t k) const { return refs_[-static_cast<std::ptrdiff_t>(k) - 1]; }
  Storage thisFields() const { return fieldsOf(refArg(0)); }

  int32_t intArg(uint32_t i) const { return static_cast<int32_t>(slot(i)); }
  float floatArg(uint32_t i) const { return std::bit_cast<float>(slot(i)); }
  int8_t byteArg(uint32_t i) const { return static_cast<int8_t>(slot(i) & 0xFF); }
  bool boolArg(uint32_t i) const { return (slot(i) & 0xFF) != 0; }
  // Four int arguments from `first` on: x, y, w, h.
  SizedBox boxArg(uint32_t first) const {
    return {intArg(first), intArg(first + 1), intArg(first + 2), intArg(first + 3)};
  }

  void setIntResult(int32_t value) const { prims_[-1] = static_cast<jslot>(value); }
  void setBoolResult(bool value) const { prims_[-1] = value ? 1 : 0; }
  void setRefResult(jref value) const { refs_[-1] = value; }

 private:
  jslot slot(uint32_t i) const { return prims_[-static_cast<std::ptrdiff_t>(i) - 1]; }

  jslot* refs_;
  jslot* prims_;
};

}  // namespace zelmo
