// The number, fixed-point, float and date formatters with hostile values, digit counts,
// separators, bases, suffixes and layouts. Each writes into a heap buffer of exactly its size (so
// the sanitizer sees a unit written past it); the count returned must fit the buffer and the text
// must end there.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

#include "format/DateTimeFormat.h"
#include "format/FloatFormat.h"
#include "format/NumberFormat.h"

namespace {

using namespace zelmo::format;

constexpr int32_t kInts[] = {0,
                             -1,
                             1,
                             2,
                             9,
                             10,
                             16,
                             36,
                             37,
                             79,
                             80,
                             81,
                             2800,
                             2801,
                             100000,
                             std::numeric_limits<int32_t>::min(),
                             std::numeric_limits<int32_t>::max()};
constexpr double kDoubles[] = {0.0,
                               -0.0,
                               0.5,
                               -0.5,
                               9.999999,
                               1e15,
                               -1e15,
                               3.4e38,
                               1e300,
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity()};

int32_t hostileInt(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.PickValueInArray(kInts) : in.ConsumeIntegral<int32_t>();
}

double hostileDouble(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
      return in.PickValueInArray(kDoubles);
    case 1:
      return static_cast<double>(in.ConsumeFloatingPoint<float>());  // as a float field holds it
    default:
      return in.ConsumeFloatingPoint<double>();
  }
}

// A separator: ASCII, zero, a lone surrogate or any unit.
UniChar separator(FuzzedDataProvider& in) {
  constexpr UniChar kUnits[] = {u'.', u',', u' ', 0, 0xD800, 0xDC00, 0xFFFF};
  return in.ConsumeBool() ? in.PickValueInArray(kUnits) : in.ConsumeIntegral<UniChar>();
}

// A zero-terminated suffix of 0 to 100 units, or none.
std::vector<UniChar> suffix(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return {};
  std::vector<UniChar> text(in.ConsumeIntegralInRange<size_t>(0, 100), u'x');
  for (UniChar& c : text) c = in.ConsumeBool() ? u'%' : static_cast<UniChar>(0xD800);
  for (UniChar& c : text)
    if (c == 0) c = u'?';
  text.push_back(0);
  return text;
}

template <size_t N>
void check(const std::unique_ptr<UniChar[]>& buffer, int32_t count, const char* what) {
  if (count < 0 || static_cast<size_t>(count) >= N || buffer[static_cast<size_t>(count)] != 0) {
    std::fprintf(stderr, "%s returned %d for a buffer of %zu\n", what, count, N);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  auto number = std::make_unique<UniChar[]>(kNumberBufferSize);
  auto date = std::make_unique<UniChar[]>(kDateBufferSize);
  const NumberBuffer numberOut(number.get(), kNumberBufferSize);
  const DateBuffer dateOut(date.get(), kDateBufferSize);
  while (in.remaining_bytes() > 0) {
    const Separators separators{separator(in), separator(in)};
    const std::vector<UniChar> unit = suffix(in);
    const UniChar* const unitText = unit.empty() ? nullptr : unit.data();
    switch (in.ConsumeIntegralInRange<int>(0, 5)) {
      case 0:
        check<kNumberBufferSize>(number, formatPlain(hostileInt(in), hostileInt(in), numberOut),
                                 "formatPlain");
        break;
      case 1: {
        const int32_t value = hostileInt(in), base = hostileInt(in), digits = hostileInt(in);
        check<kNumberBufferSize>(number,
                                 formatTruncated(value, base, digits, in.ConsumeBool(), numberOut),
                                 "formatTruncated");
        break;
      }
      case 2: {
        FixedPointOptions o;
        o.base = hostileInt(in);
        o.digits = hostileInt(in);
        o.decimals = hostileInt(in);
        o.isUnsigned = in.ConsumeBool();
        o.grouping = in.ConsumeBool();
        o.leadingZeros = in.ConsumeBool();
        o.suffix = unitText;
        check<kNumberBufferSize>(number, formatFixedPoint(hostileInt(in), o, separators, numberOut),
                                 "formatFixedPoint");
        break;
      }
      case 3: {
        const int32_t value = hostileInt(in), base = hostileInt(in), digits = hostileInt(in),
                      decimals = hostileInt(in);
        check<kNumberBufferSize>(
            number,
            formatLegacyFixedPoint(value, base, digits, decimals, in.ConsumeBool(),
                                   separators.decimal, numberOut),
            "formatLegacyFixedPoint");
        break;
      }
      case 4: {
        FloatOptions o;
        o.digits = hostileInt(in);
        o.decimals = hostileInt(in);
        o.leadingZeros = in.ConsumeBool();
        o.significant = in.ConsumeBool();
        o.grouping = in.ConsumeBool();
        o.suffix = unitText;
        check<kNumberBufferSize>(number, formatFloat(hostileDouble(in), o, separators, numberOut),
                                 "formatFloat");
        break;
      }
      default: {
        const int32_t code = hostileInt(in);
        check<kDateBufferSize>(date, formatDateTime(code, hostileInt(in), dateOut),
                               "formatDateTime");
        break;
      }
    }
  }
  return 0;
}
