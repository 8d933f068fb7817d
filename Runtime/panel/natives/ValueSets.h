// The fixed value sets that native arguments take, with what each value selects.
#pragma once

#include "panel/natives/NativeReference.h"

namespace panel::natives {

extern const ValueSet kLineStyles;
extern const ValueSet kFillPatterns;
extern const ValueSet kLineEnds;
extern const ValueSet kResizeAnchors;
extern const ValueSet kHorizontalAnchors;
extern const ValueSet kVerticalAnchors;
extern const ValueSet kTextModes;
extern const ValueSet kHorizontalPlacements;
extern const ValueSet kVerticalPlacements;
extern const ValueSet kNumberBases;
extern const ValueSet kDateTimeFormats;
extern const ValueSet kMarkTypes;
extern const ValueSet kBevels;

}  // namespace panel::natives
