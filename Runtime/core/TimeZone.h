// The panel's time zone: set from the screen, never read from the host, so that a clock drawn
// on one machine looks the same on every other.
#pragma once

#include <cstdint>

namespace core {

// Minutes local time is ahead of GMT (one hour ahead is 60); 0 until set.
void setTimeZoneOffset(int32_t minutesAheadOfGmt);

}  // namespace core
