// The CuxGraphicFile record: a retained graphic object that holds one image of the drawing
// service and draws it in its bounding box.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo::GraphicFileFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxGraphicFile";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr UIntField imageHandle{kStart + 0};
inline constexpr IntField imageOption{kStart + 4};

}  // namespace zelmo::GraphicFileFields
