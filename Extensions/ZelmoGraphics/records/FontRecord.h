// The CuxFont record: a managed font whose fontHandle every text native hands to the service.
#pragma once

#include <optional>

#include "bridge/Field.h"
#include "bridge/ManagedFrame.h"

namespace zelmo::FontFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxFont";

inline constexpr RefField fontName{0};
inline constexpr UIntField fontHandle{4};
inline constexpr IntField textWidth{8};
inline constexpr IntField textHeight{12};
inline constexpr IntField textMetric3{16};
inline constexpr UByteField fontOption1{20};
inline constexpr UByteField fontOption2{21};
inline constexpr UByteField fontOption3{22};

}  // namespace zelmo::FontFields

namespace zelmo {

// The fontHandle of the CuxFont in reference slot k; nothing for a null font, which draws
// nothing.
inline std::optional<uint32_t> fontArg(const ManagedFrame& frame, uint32_t k) {
  const Storage font = fieldsOf(frame.refArg(k));
  if (!font) return std::nullopt;
  return FontFields::fontHandle.read(font);
}

}  // namespace zelmo
