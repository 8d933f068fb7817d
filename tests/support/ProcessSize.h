// The resident size of the test process, for checks that memory comes back after many cycles.
#pragma once

#include <unistd.h>

#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#define ZELMO_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZELMO_TEST_ASAN 1
#endif
#endif

namespace zelmo::test {

inline long residentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Under an emulator (qemu-arm) a cycle that loads a font costs a hundred times more; a tenth of
// the runs still finds a leak of a hundred bytes a cycle, and the native builds run them all.
constexpr bool kEmulated = sizeof(ZELMO_EMULATOR) > 1;

// How much the resident size grew over `n` runs of `cycle`, after 1000 runs that warm caches
// and pools. Always 0 under AddressSanitizer: its quarantine holds freed blocks back, and its
// leak check stands in for this one.
template <class Cycle>
long residentGrowthOver(int n, Cycle&& cycle) {
  if (kEmulated) n /= 10;
  for (int i = 0; i < 1000; ++i) cycle();
  const long before = residentBytes();
  for (int i = 0; i < n; ++i) cycle();
#if defined(ZELMO_TEST_ASAN)
  (void)before;
  return 0;
#else
  return residentBytes() - before;
#endif
}

}  // namespace zelmo::test
