// The CuxComplexObj record after the CuxGraphics part: the members of a group.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo::ComplexObjFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxComplexObj";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr RefField children{kStart + 0};  // CuxGraphics[], may be null
// one int not read: kStart + 4
inline constexpr IntField rotationOffsetX{kStart + 8};
inline constexpr IntField rotationOffsetY{kStart + 12};

}  // namespace zelmo::ComplexObjFields
