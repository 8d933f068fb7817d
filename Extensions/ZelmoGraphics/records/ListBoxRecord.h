// The CuxListBox record: the list box rectangle, the rectangle move offsets from, the colours and
// font its model starts with, the handle of that model, and what getRowPos reads. Fields the
// natives never read keep their places.
#pragma once

#include "bridge/Field.h"

namespace zelmo::ListBoxFields {

inline constexpr const char* kClassName = "uxclasses/graphics/CuxListBox";

inline constexpr IntField x1{0};
inline constexpr IntField y1{4};
inline constexpr IntField x2{8};
inline constexpr IntField y2{12};
// four ints not read: 16..28
inline constexpr IntField originX1{32};
inline constexpr IntField originY1{36};
inline constexpr IntField originX2{40};
inline constexpr IntField originY2{44};
// thirteen ints not read: 48..96
inline constexpr IntField listSpareColor{100};
inline constexpr IntField listTextColor{104};
inline constexpr IntField listBackColor{108};
// seven ints not read: 112..136; one byte not read: 140
inline constexpr UByteField frameWidthCopy{141};
inline constexpr RefField font{144};
inline constexpr UIntField nativeListBox{148};
// one int not read: 152
inline constexpr IntField queryY{156};
// one int not read: 160
inline constexpr IntField rowLimit{164};
// two ints not read: 168, 172
inline constexpr UByteField hasTitle{176};

}  // namespace zelmo::ListBoxFields
