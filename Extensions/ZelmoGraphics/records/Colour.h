// Colours as records and arguments hold them: 0x00RRGGBB, and any value with bit 31 set is no
// colour at all.
#pragma once

#include <cstdint>

namespace zelmo {

inline constexpr int32_t kNoColour = static_cast<int32_t>(0x80000000u);

constexpr bool isNoColour(int32_t colour) { return (static_cast<uint32_t>(colour) >> 31) != 0; }

}  // namespace zelmo
