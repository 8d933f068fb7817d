// The CuxCanvas record (all 32-bit slots) and the CuxArea a clip query returns.
#pragma once

#include <optional>

#include "bridge/Field.h"
#include "bridge/ManagedFrame.h"
#include "geometry/IntMath.h"

namespace zelmo {

namespace CanvasFields {
inline constexpr IntField color{0};
inline constexpr IntField backColor{4};
inline constexpr IntField textThirdColor{8};
inline constexpr IntField fillPattern{12};
inline constexpr UIntField fontHandle{16};
inline constexpr IntField lineWidth{20};
inline constexpr IntField lineStyle{24};
inline constexpr IntField textOption{28};  // only its low 8 bits are used
inline constexpr IntField layer{32};
}  // namespace CanvasFields

// The canvas statics, behind one 32-bit static of the managed side's own.
namespace CanvasStatics {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxCanvas";
inline constexpr CharField decimalSeparator{4};
inline constexpr CharField groupSeparator{6};
}  // namespace CanvasStatics

namespace AreaFields {
inline constexpr const char* kClassName = "uxclasses/graphics/CuxArea";
inline constexpr IntField x1{0};
inline constexpr IntField y1{4};
inline constexpr IntField x2{8};
inline constexpr IntField y2{12};
}  // namespace AreaFields

// The canvas pen as it stands at the moment of a call; nothing of it is kept between calls.
struct Canvas {
  int32_t color;
  int32_t backColor;
  int32_t textThirdColor;
  int32_t fillPattern;
  uint32_t fontHandle;
  int32_t lineWidth;
  int32_t lineStyle;
  uint8_t textOption;
  int32_t layer;

  // Reads `this` of the current call; nothing when `this` is null.
  static std::optional<Canvas> of(const ManagedFrame& frame) {
    const Storage fields = frame.thisFields();
    if (!fields) return std::nullopt;
    namespace f = CanvasFields;
    return Canvas{f::color.read(fields),          f::backColor.read(fields),
                  f::textThirdColor.read(fields), f::fillPattern.read(fields),
                  f::fontHandle.read(fields),     f::lineWidth.read(fields),
                  f::lineStyle.read(fields),      low8(f::textOption.read(fields)),
                  f::layer.read(fields)};
  }
};

}  // namespace zelmo
