#include "vm/Arena.h"

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <stdexcept>

namespace vm {
namespace {

// On a 64-bit host the region goes below 4 GiB, so that addresses fit the VM's 32-bit words;
// on a 32-bit host every address fits and the region goes wherever the kernel puts it.
constexpr bool kWideAddresses = sizeof(void*) > 4;

void* mapRegion(size_t capacity) {
  const int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE;
  void* p = MAP_FAILED;
  if constexpr (kWideAddresses) {
    constexpr uintptr_t kPreferredBase = 0x20000000;  // low, and clear of the sanitizers' shadow
    p = mmap(reinterpret_cast<void*>(kPreferredBase), capacity, PROT_READ | PROT_WRITE,
             flags | MAP_FIXED_NOREPLACE, -1, 0);
#ifdef MAP_32BIT
    if (p == MAP_FAILED)
      p = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, flags | MAP_32BIT, -1, 0);
#endif
  } else {
    p = mmap(nullptr, capacity, PROT_READ | PROT_WRITE, flags, -1, 0);
  }
  return p == MAP_FAILED ? nullptr : p;
}

bool fitsIn32Bits(const void* p, size_t capacity) {
  const uint64_t end = uint64_t{reinterpret_cast<uintptr_t>(p)} + capacity;
  return end <= (uint64_t{1} << 32);
}

}  // namespace

Arena::Arena(size_t capacity) {
  void* p = mapRegion(capacity);
  if (!p || !fitsIn32Bits(p, capacity)) {
    if (p) munmap(p, capacity);
    throw std::runtime_error("cannot map the managed heap at 32-bit addresses");
  }
  base_ = static_cast<std::byte*>(p);
  // Address 0 and the handle ranges below 768 must never be object addresses; mappings start
  // far above them (the kernel's mmap_min_addr), and the first 16 bytes stay unused so no body sits
  // at the very start.
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
