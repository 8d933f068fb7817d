// The date and clock display of the canvas: local seconds since 1970-01-01 00:00 as one of
// twelve date layouts (codes 1 to 12) or a time of day (code 20). The calendar arithmetic is
// our own. Writes a zero-terminated text into the caller's 20-character buffer; returns its
// length.
#pragma once

#include <cstdint>
#include <span>

#include "platform/PlatformTypes.h"

namespace zelmo::format {

inline constexpr size_t kDateBufferSize = 20;  // 19 characters and the terminator
using DateBuffer = std::span<UniChar, kDateBufferSize>;

inline constexpr int32_t kTimeOfDay = 20;

struct CivilDate {
  int32_t year;
  int32_t month;  // 1..12
  int32_t day;    // 1..31
};

// The calendar date of local seconds since 1970-01-01 00:00. Times before 1970 are outside what the
// panel shows; they still give a month in 1..12.
CivilDate civilDateOfSeconds(int32_t localSeconds);

// Any code other than 1..12 and 20 gives a single blank.
int32_t formatDateTime(int32_t formatCode, int32_t localSeconds, DateBuffer out);

}  // namespace zelmo::format
