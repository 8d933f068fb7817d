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
  *minutes = -core::minutesAhead();
  return true;
}
