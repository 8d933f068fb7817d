// What the retained shapes' draw natives read from their records, taken once per call. None of
// these natives calls back into managed code, so nothing moves while a snapshot is in use;
// point arrays are still looked up afresh, by reference, for every drawing call.
#pragma once

#include "bridge/Field.h"
#include "geometry/FillLevel.h"
#include "platform/PlatformTypes.h"
#include "records/ShapeRecords.h"

namespace zelmo {

// The CuxGraphics part: the box and the look.
struct ShapeLook {
  Box box;
  int32_t fillColor;
  int32_t backColor;
  int32_t lineColor;
  int8_t lineStyle;
  int8_t lineWidth;
  int8_t fillPattern;

  // A box with no width or no height cannot hold an ellipse, sector or fill.
  bool flat() const { return box.x1 == box.x2 || box.y1 == box.y2; }

  static ShapeLook of(const std::byte* fields);
};

// A shape's fill-level fields.
struct FillLevel {
  int32_t backColor;
  int32_t percentH;
  int32_t percentV;
  int8_t backPattern;
  uint8_t directionH;
  uint8_t directionV;

  bool on() const { return directionH != 0 || directionV != 0; }
  Box areaOf(const Box& box) const {
    return computeFillLevelArea(box, percentH, percentV, directionH, directionV);
  }

  static FillLevel of(const std::byte* fields, const LevelFieldSet& set);
};

// The curve of an arc or pie: the full ellipse's box, the two points bounding the sector, the
// object's own box as bounds, and the service's arcFlag.
struct SectorGeometry {
  POINTRECT ellipse;
  POINTLINE ends;
  POINTRECT bounds;
  bool arcFlag;

  static SectorGeometry of(const std::byte* fields);
};

// A point array handed to the drawing service: the address of element 0 and the number of
// (x, y) pairs to read.
struct PointList {
  const APOINT* points;
  int32_t count;
};

// The first pointCount points of an int array, never more than the array holds in whole pairs.
// A null array or a count below 1 gives no points.
PointList pointsOf(jref array, int32_t pointCount);

}  // namespace zelmo
