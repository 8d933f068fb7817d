// The CuxGraphics record: the common fields every retained graphic object begins with. Fields
// the module never reads are skipped; the offsets keep their places. Subclass records start at
// kSubclassStart, the next 32-bit boundary after hasBackground.
#pragma once

#include "bridge/Field.h"
#include "geometry/Box.h"

namespace zelmo::GraphicsFields {

inline constexpr IntField x1{0};
inline constexpr IntField y1{4};
inline constexpr IntField x2{8};
inline constexpr IntField y2{12};
inline constexpr IntField origX1{16};
inline constexpr IntField origY1{20};
inline constexpr IntField origX2{24};
inline constexpr IntField origY2{28};
inline constexpr IntField state{32};
// three bytes not read: 36..38
inline constexpr UByteField rotated{39};
inline constexpr IntField angle{40};
// two ints not read: 44, 48
inline constexpr IntField rotationX{52};
inline constexpr IntField rotationY{56};
// nine ints not read: 60..92
inline constexpr IntField fillColor{96};
inline constexpr IntField backColor{100};
inline constexpr IntField lineColor{104};
inline constexpr IntField centerX{108};
inline constexpr IntField centerY{112};
inline constexpr IntField origCenterX{116};
inline constexpr IntField origCenterY{120};
inline constexpr IntField origRotationX{124};
inline constexpr IntField origRotationY{128};
inline constexpr ByteField lineStyle{132};
inline constexpr ByteField lineWidth{133};
inline constexpr ByteField fillPattern{134};
// one byte not read: 135
inline constexpr UByteField hasBackground{136};

inline constexpr uint32_t kSubclassStart = 140;

// The object's box now and at design time.
inline Box box(const std::byte* fields) {
  return {x1.read(fields), y1.read(fields), x2.read(fields), y2.read(fields)};
}
inline Box origBox(const std::byte* fields) {
  return {origX1.read(fields), origY1.read(fields), origX2.read(fields), origY2.read(fields)};
}

}  // namespace zelmo::GraphicsFields
