#include "shapes/ShapeLook.h"

#include <algorithm>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"

namespace zelmo {

ShapeLook ShapeLook::of(const std::byte* fields) {
  namespace f = GraphicsFields;
  return ShapeLook{f::box(fields),
                   f::fillColor.read(fields),
                   f::backColor.read(fields),
                   f::lineColor.read(fields),
                   f::lineStyle.read(fields),
                   f::lineWidth.read(fields),
                   f::fillPattern.read(fields)};
}

FillLevel FillLevel::of(const std::byte* fields, const LevelFieldSet& set) {
  return FillLevel{set.levelBackColor.read(fields),  set.levelPercentH.read(fields),
                   set.levelPercentV.read(fields),   set.levelBackPattern.read(fields),
                   set.levelDirectionH.read(fields), set.levelDirectionV.read(fields)};
}

SectorGeometry SectorGeometry::of(const std::byte* fields) {
  namespace a = ArcFields;
  namespace g = GraphicsFields;
  return SectorGeometry{
      {a::arcX1.read(fields), a::arcY1.read(fields), a::arcX2.read(fields), a::arcY2.read(fields)},
      {a::startX.read(fields), a::startY.read(fields), a::endX.read(fields), a::endY.read(fields)},
      g::box(fields).rect(),
      a::arcFlag.read(fields) != 0};
}

PointList pointsOf(jref array, int32_t pointCount) {
  const IntArray elements = intArray(fieldsOf(array));
  const int32_t count = std::clamp(pointCount, 0, elements.length / 2);
  if (count == 0) return {nullptr, 0};
  return {reinterpret_cast<const APOINT*>(elements.elements), count};
}

}  // namespace zelmo
