// The core service library's math. The fast sine and cosine use a table of tenths of a degree,
// as the panel's service does; any 16-bit angle is reduced into 0..3599 first.
#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/CoreServices.h"

namespace {

const std::array<double, 3600>& sineTable() {
  static const std::array<double, 3600> table = [] {
    std::array<double, 3600> t{};
    for (int i = 0; i < 3600; ++i) t[i] = std::sin(i * M_PI / 1800.0);
    // Exact values where the panel relies on them (quarter turns).
    t[0] = 0.0, t[900] = 1.0, t[1800] = 0.0, t[2700] = -1.0;
    return t;
  }();
  return table;
}

int reduce(int32_t tenths) {
  const int32_t r = tenths % 3600;
  return r < 0 ? r + 3600 : r;
}

}  // namespace

extern "C" {

double osUTsqrt(double x) { return std::sqrt(x); }
double osUTpow(double base, double exponent) { return std::pow(base, exponent); }
double osUTatan(double x) { return std::atan(x); }
double osUTlog10(double x) { return std::log10(x); }
double osUTfabs(double x) { return std::fabs(x); }
int32_t osUTabs(int32_t x) {
  // |INT32_MIN| does not exist; it stays INT32_MIN as on two's complement hardware.
  return x < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(x)) : x;
}

double osUTfastsin(int16_t tenths) { return sineTable()[reduce(tenths)]; }
double osUTfastcos(int16_t tenths) { return sineTable()[reduce(tenths + 900)]; }

}  // extern "C"
