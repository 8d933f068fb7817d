// The CuxText record: a retained graphic object that shows a String in its box. Its own fields
// follow the common CuxGraphics part.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo::TextFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxText";

inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;

inline constexpr IntField textThirdColor{kStart + 0};
inline constexpr IntField textMode{kStart + 4};
inline constexpr RefField text{kStart + 8};
inline constexpr RefField textFont{kStart + 12};
// two bytes not read: kStart + 16, kStart + 17
inline constexpr UByteField textOption2{kStart + 18};
inline constexpr UByteField textOption6{kStart + 19};
inline constexpr UByteField textOption7{kStart + 20};
inline constexpr UByteField textOption1{kStart + 21};

}  // namespace zelmo::TextFields
