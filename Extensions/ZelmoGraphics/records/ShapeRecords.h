// The subclass records of the simple retained shapes. Each starts at the next 32-bit boundary
// after the CuxGraphics part; offsets skip the fields the module never reads.
#pragma once

#include "bridge/Field.h"
#include "records/GraphicsRecord.h"

namespace zelmo {

// The fill-level fields, which sit at a different place in each shape that has them.
struct LevelFieldSet {
  IntField levelBackColor;
  IntField levelPercentH;
  IntField levelPercentV;
  ByteField levelBackPattern;
  UByteField levelDirectionH;
  UByteField levelDirectionV;
};

// The usual layout from `start`: three ints, then the pattern and the two direction bytes.
constexpr LevelFieldSet levelFieldsAt(uint32_t start) {
  return {IntField{start},       IntField{start + 4},    IntField{start + 8},
          ByteField{start + 12}, UByteField{start + 13}, UByteField{start + 14}};
}

namespace EllipseFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxEllipse";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr LevelFieldSet level = levelFieldsAt(kStart);
}  // namespace EllipseFields

namespace RectangleFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxRectangle";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
// two ints not read: kStart + 0, + 4
inline constexpr IntField rectWidth{kStart + 8};
inline constexpr IntField rectHeight{kStart + 12};
inline constexpr IntField cornerRadiusX{kStart + 16};
inline constexpr IntField cornerRadiusY{kStart + 20};
// The rectangle's level has `rounded` between its ints and its bytes.
inline constexpr LevelFieldSet level{IntField{kStart + 24},   IntField{kStart + 28},
                                     IntField{kStart + 32},   ByteField{kStart + 37},
                                     UByteField{kStart + 38}, UByteField{kStart + 39}};
inline constexpr UByteField rounded{kStart + 36};
}  // namespace RectangleFields

namespace ArcFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxArc";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
// The full ellipse's box, stored x1, x2, y1, y2.
inline constexpr IntField arcX1{kStart + 0};
inline constexpr IntField arcX2{kStart + 4};
inline constexpr IntField arcY1{kStart + 8};
inline constexpr IntField arcY2{kStart + 12};
// four ints not read: kStart + 16 .. + 28
inline constexpr IntField startX{kStart + 32};
inline constexpr IntField startY{kStart + 36};
inline constexpr IntField endX{kStart + 40};
inline constexpr IntField endY{kStart + 44};
// four ints not read: kStart + 48 .. + 60
inline constexpr UByteField arcFlag{kStart + 64};
}  // namespace ArcFields

// A pie has the arc's fields, then its fill level from the next 32-bit boundary.
namespace PieFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxPie";
using ArcFields::arcFlag;
using ArcFields::arcX1;
using ArcFields::arcX2;
using ArcFields::arcY1;
using ArcFields::arcY2;
using ArcFields::endX;
using ArcFields::endY;
using ArcFields::startX;
using ArcFields::startY;
inline constexpr LevelFieldSet level = levelFieldsAt(ArcFields::kStart + 68);
}  // namespace PieFields

namespace PolygonFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxPolygon";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr IntField pointCount{kStart + 0};
inline constexpr RefField points{kStart + 4};  // int[] x0, y0, x1, y1, ...
// two ints not read: kStart + 8, + 12
inline constexpr LevelFieldSet level = levelFieldsAt(kStart + 16);
inline constexpr UByteField fillFlag{kStart + 31};
}  // namespace PolygonFields

namespace BezierFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxBezier";
inline constexpr uint32_t kStart = GraphicsFields::kSubclassStart;
inline constexpr IntField pointCount{kStart + 0};
inline constexpr RefField points{kStart + 4};  // int[] x0, y0, x1, y1, ...
// one int not read: kStart + 8
inline constexpr UByteField lineEnd{kStart + 12};
}  // namespace BezierFields

}  // namespace zelmo
