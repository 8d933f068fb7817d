// The resident size of the test process, for checks that memory comes back after many cycles.
#pragma once

#include <unistd.h>

#include <fstream>

namespace zelmo::test {

inline long residentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace zelmo::test
