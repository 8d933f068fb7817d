// The managed heap's memory: one region at 32-bit addresses (placed below 4 GiB on a 64-bit
// host), so that every managed reference, forwarding word and reference slot holds a real
// address the module can dereference.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vm {

class Arena {
 public:
  explicit Arena(size_t capacity);
  ~Arena();
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // Zeroed memory, 8-byte aligned; throws std::bad_alloc when the region is used up.
  std::byte* allocate(size_t bytes);
  size_t used() const { return static_cast<size_t>(next_ - base_); }
  bool contains(const void* p, size_t bytes = 1) const;

 private:
  std::byte* base_ = nullptr;
  std::byte* next_ = nullptr;
  std::byte* end_ = nullptr;
};

// The 32-bit address of a pointer into the arena, and back.
inline uint32_t address32(const void* p) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}
inline std::byte* pointer(uint32_t address) {
  return reinterpret_cast<std::byte*>(static_cast<uintptr_t>(address));
}

}  // namespace vm
