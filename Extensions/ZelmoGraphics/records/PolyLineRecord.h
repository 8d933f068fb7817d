// The CuxPolyLine record after the CuxGraphics part: the current and the design-time points.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo::PolyLineFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxPolyLine";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr IntField pointCount{kStart + 0};
inline constexpr RefField points{kStart + 4};      // int[] x0, y0, x1, y1, ... as placed now
inline constexpr RefField basePoints{kStart + 8};  // int[] as designed, same layout
inline constexpr UByteField lineEnd{kStart + 12};  // 0 none, 1 last point, 2 first, 3 both

}  // namespace zelmo::PolyLineFields
