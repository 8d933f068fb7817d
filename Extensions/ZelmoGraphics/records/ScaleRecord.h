// The CuxScale record: a graphic object whose own fields follow the CuxGraphics part from the
// next 32-bit boundary; offsets skip the two ints the module never reads.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo::ScaleFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxScale";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr IntField startAngle{kStart + 0};
inline constexpr IntField endAngle{kStart + 4};
inline constexpr IntField tickStep{kStart + 8};
inline constexpr IntField innerRadius{kStart + 12};
// one int not read: kStart + 16
inline constexpr IntField outerRadius{kStart + 20};
// one int not read: kStart + 24
inline constexpr IntField divisions{kStart + 28};
inline constexpr UByteField circular{kStart + 32};
inline constexpr UByteField vertical{kStart + 33};

}  // namespace zelmo::ScaleFields
