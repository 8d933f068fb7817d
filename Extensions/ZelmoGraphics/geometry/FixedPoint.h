// 8.8 fixed point, as the canvas scale is kept.
#pragma once

#include "geometry/IntMath.h"

namespace zelmo {

// v * 256 + 0.5 in double precision, truncated toward zero (so -1.0 gives -255, not -256).
inline int32_t toFixed88(float v) { return truncToInt32Low(static_cast<double>(v) * 256.0 + 0.5); }

}  // namespace zelmo
