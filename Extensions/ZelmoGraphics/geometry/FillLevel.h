// The fill level of a shape: the part of its bounding box that shows the normal fill, like the
// liquid in a tank. A pure computation; the shapes clip their normal fill to its result.
#pragma once

#include <cstdint>

#include "geometry/Box.h"

namespace zelmo {

// Direction codes of levelDirectionH / levelDirectionV. Only the OR of the two bytes counts, so
// a code may arrive in either byte.
namespace LevelDirection {
inline constexpr uint8_t kFromLeft = 1;
inline constexpr uint8_t kCentredH = 2;
inline constexpr uint8_t kFromRight = 3;
inline constexpr uint8_t kBySignH = 16;
inline constexpr uint8_t kFromBottom = 4;
inline constexpr uint8_t kCentredV = 8;
inline constexpr uint8_t kFromTop = 12;
inline constexpr uint8_t kBySignV = 40;
}  // namespace LevelDirection

// The clip rectangle for the filled part of `box` at the given percentages. Keys that name no
// known combination of one horizontal and one vertical code give the whole box; a zero
// percentage on a named axis collapses that axis to 0..0; percentages past +-100 are not
// clamped. Products and sums wrap at 32 bits, so hostile sizes give a wrong box, never UB.
Box computeFillLevelArea(const Box& box, int32_t percentH, int32_t percentV, uint8_t directionH,
                         uint8_t directionV);

}  // namespace zelmo
