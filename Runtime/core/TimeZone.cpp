// The core service library's time zone: the offset of the panel's local time from GMT, as the
// screen gives it.
#include "core/TimeZone.h"

#include "platform/CoreServices.h"

namespace core {
namespace {

int32_t& minutesAhead() {
  static int32_t minutes = 0;
  return minutes;
}

}  // namespace

void setTimeZoneOffset(int32_t minutesAheadOfGmt) { minutesAhead() = minutesAheadOfGmt; }

}  // namespace core

extern "C" bool osTMgetGMTTimeZoneOffset(int32_t* minutes) {
  if (!minutes) return false;
  // The service counts minutes to add to local time to reach GMT.
  // Negated in 64 bits: an offset of INT32_MIN, which no screen can give, must still not overflow.
  *minutes = static_cast<int32_t>(-int64_t{core::minutesAhead()});
  return true;
}
