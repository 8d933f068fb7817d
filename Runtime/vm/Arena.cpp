#include "vm/Arena.h"

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <stdexcept>

namespace vm {
namespace {

constexpr uintptr_t kPreferredBase = 0x20000000;  // low, and clear of the sanitizers' shadow
constexpr uintptr_t kLimit = uintptr_t{1} << 32;

void* mapLow(size_t capacity) {
  const int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE;
  void* p = mmap(reinterpret_cast<void*>(kPreferredBase), capacity, PROT_READ | PROT_WRITE,
                 flags | MAP_FIXED_NOREPLACE, -1, 0);
  if (p != MAP_FAILED) return p;
  p = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, flags | MAP_32BIT, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

}  // namespace

Arena::Arena(size_t capacity) {
  void* p = mapLow(capacity);
  if (!p || reinterpret_cast<uintptr_t>(p) + capacity > kLimit) {
    if (p) munmap(p, capacity);
    throw std::runtime_error("cannot map the managed heap below 4 GiB");
  }
  base_ = static_cast<std::byte*>(p);
  // Address 0 and the handle ranges below 768 must never be object addresses; the mapping is
  // far above them, and the first 16 bytes stay unused so no body sits at the very start.
  next_ = base_ + 16;
  end_ = base_ + capacity;
}

Arena::~Arena() { munmap(base_, static_cast<size_t>(end_ - base_)); }

std::byte* Arena::allocate(size_t bytes) {
  const size_t rounded = (bytes + 7) & ~size_t{7};
  if (rounded > static_cast<size_t>(end_ - next_)) throw std::bad_alloc();
  std::byte* p = next_;
  next_ += rounded;
  return p;  // fresh anonymous pages are zero and the region is never reused
}

bool Arena::contains(const void* p, size_t bytes) const {
  const auto* b = static_cast<const std::byte*>(p);
  return b >= base_ && b <= next_ && static_cast<size_t>(next_ - b) >= bytes;
}

}  // namespace vm
