// The CuxFont record: a managed font whose fontHandle every text native hands to the service.
#pragma once

#include "bridge/Field.h"

namespace zelmo::FontFields {

inline constexpr RefField fontName{0};
inline constexpr UIntField fontHandle{4};
inline constexpr IntField textWidth{8};
inline constexpr IntField textHeight{12};
inline constexpr IntField textMetric3{16};
inline constexpr UByteField fontOption1{20};
inline constexpr UByteField fontOption2{21};
inline constexpr UByteField fontOption3{22};

}  // namespace zelmo::FontFields
