// Reading the managed heap's 32-bit words, which sit wherever the layout puts them, aligned or
// not, and the slot kinds of descriptors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vm/Descriptor.h"

namespace vm {

inline uint32_t readWord(const void* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// Every kind but a reference and void travels in a primitive slot.
inline bool isPrimitive(Kind k) { return k != Kind::Ref && k != Kind::Void; }

}  // namespace vm
