// The formatters against the C library writing the same value into a buffer: the fixed-point
// formatter with grouping and a suffix, the float formatter, and the date formatter.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <ctime>

#include "format/DateTimeFormat.h"
#include "format/FloatFormat.h"
#include "format/NumberFormat.h"

namespace {

using namespace zelmo;

constexpr format::Separators kSeparators{u'.', u','};

void FixedPointGroupedWithSuffix(benchmark::State& state) {
  format::FixedPointOptions options;
  options.digits = 7, options.decimals = 2, options.grouping = true, options.suffix = u" kW";
  std::array<UniChar, format::kNumberBufferSize> out;
  int32_t value = 123456789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(format::formatFixedPoint(value, options, kSeparators, out));
  }
}
BENCHMARK(FixedPointGroupedWithSuffix);

void FixedPointSnprintf(benchmark::State& state) {
  char out[80];
  int32_t value = 123456789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(
        std::snprintf(out, sizeof out, "%d.%02d kW", value / 100, value % 100));
  }
}
BENCHMARK(FixedPointSnprintf);

void FloatFormatter(benchmark::State& state) {
  format::FloatOptions options;
  options.digits = 5, options.decimals = 2;
  std::array<UniChar, format::kNumberBufferSize> out;
  double value = 1234.567f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(format::formatFloat(value, options, kSeparators, out));
  }
}
BENCHMARK(FloatFormatter);

void FloatSnprintf(benchmark::State& state) {
  char out[80];
  double value = 1234.567f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(std::snprintf(out, sizeof out, "%.2f", value));
  }
}
BENCHMARK(FloatSnprintf);

void DateFormatter(benchmark::State& state) {
  std::array<UniChar, format::kDateBufferSize> out;
  int32_t seconds = 1709823909;
  for (auto _ : state) {
    benchmark::DoNotOptimize(seconds);
    benchmark::DoNotOptimize(format::formatDateTime(1, seconds, out));
  }
}
BENCHMARK(DateFormatter);

// The C library's way to the same text: its calendar, then snprintf of the fields.
void DateGmtimeSnprintf(benchmark::State& state) {
  char out[20];
  std::time_t seconds = 1709823909;
  for (auto _ : state) {
    benchmark::DoNotOptimize(seconds);
    std::tm t;
    gmtime_r(&seconds, &t);
    benchmark::DoNotOptimize(
        std::snprintf(out, sizeof out, "%d/%02d/%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday));
  }
}
BENCHMARK(DateGmtimeSnprintf);

}  // namespace
