// The core service library's time zone: the offset of the machine's local time from GMT.
#include <ctime>

#include "platform/CoreServices.h"

extern "C" bool osTMgetGMTTimeZoneOffset(int32_t* minutes) {
  if (!minutes) return false;
  // Re-read TZ each time: the panel asks again after a time change, and the answer must follow.
  tzset();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&now, &local)) return false;
  // tm_gmtoff counts seconds east of GMT; the service counts minutes to add to reach GMT.
  *minutes = static_cast<int32_t>(-local.tm_gmtoff / 60);
  return true;
}
