// The module's record offsets against the VM stand-in's class layouts: every field the module
// reads, on every class that has it, is set by name in the VM and read through the offset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/GraphicsRecord.h"
#include "records/ShapeRecords.h"
#include "vm/ManagedLibrary.h"
#include "vm/Vm.h"

namespace zelmo::test {
namespace {

// A field as the module reads it: its offset and whether it is a byte.
struct Offset {
  const char* name;
  uint32_t offset;
  bool byte;
};
template <typename T>
Offset at(const char* name, Field<T> f) {
  return {name, f.offset, sizeof(T) == 1};
}

std::vector<Offset> common() {
  namespace g = GraphicsFields;
  // clang-format off
  return {at("x1", g::x1), at("y1", g::y1), at("x2", g::x2), at("y2", g::y2),
          at("origX1", g::origX1), at("origY1", g::origY1), at("origX2", g::origX2),
          at("origY2", g::origY2), at("state", g::state), at("rotated", g::rotated),
          at("angle", g::angle), at("rotationX", g::rotationX), at("rotationY", g::rotationY),
          at("fillColor", g::fillColor), at("backColor", g::backColor),
          at("lineColor", g::lineColor), at("centerX", g::centerX), at("centerY", g::centerY),
          at("origCenterX", g::origCenterX), at("origCenterY", g::origCenterY),
          at("origRotationX", g::origRotationX), at("origRotationY", g::origRotationY),
          at("lineStyle", g::lineStyle), at("lineWidth", g::lineWidth),
          at("fillPattern", g::fillPattern), at("hasBackground", g::hasBackground)};
  // clang-format on
}

std::vector<Offset> level(const LevelFieldSet& l) {
  return {at("levelBackColor", l.levelBackColor),   at("levelPercentH", l.levelPercentH),
          at("levelPercentV", l.levelPercentV),     at("levelBackPattern", l.levelBackPattern),
          at("levelDirectionH", l.levelDirectionH), at("levelDirectionV", l.levelDirectionV)};
}

std::vector<Offset> operator+(std::vector<Offset> a, const std::vector<Offset>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct ClassLayout {
  const char* className;
  std::vector<Offset> fields;         // besides the common part
  const char* pointsField = nullptr;  // an int[] reference, when the class has one
  uint32_t pointsOffset = 0;
};

std::vector<ClassLayout> layouts() {
  namespace a = ArcFields;
  namespace r = RectangleFields;
  namespace p = PolygonFields;
  namespace b = BezierFields;
  const std::vector<Offset> arc = {
      at("arcX1", a::arcX1), at("arcX2", a::arcX2),   at("arcY1", a::arcY1),
      at("arcY2", a::arcY2), at("startX", a::startX), at("startY", a::startY),
      at("endX", a::endX),   at("endY", a::endY),     at("arcFlag", a::arcFlag)};
  return {
      {EllipseFields::kClassName, level(EllipseFields::level)},
      {r::kClassName,
       std::vector<Offset>{at("rectWidth", r::rectWidth), at("rectHeight", r::rectHeight),
                           at("cornerRadiusX", r::cornerRadiusX),
                           at("cornerRadiusY", r::cornerRadiusY), at("rounded", r::rounded)} +
           level(r::level)},
      {a::kClassName, arc},
      {PieFields::kClassName, arc + level(PieFields::level)},
      {p::kClassName,
       std::vector<Offset>{at("pointCount", p::pointCount), at("fillFlag", p::fillFlag)} +
           level(p::level),
       "points", p::points.offset},
      {b::kClassName,
       {at("pointCount", b::pointCount), at("lineEnd", b::lineEnd)},
       "points",
       b::points.offset},
  };
}

// Every field gets a value of its own, so a wrong offset reads a neighbour's value or a
// placeholder's zero.
TEST(RecordLayout, ModuleOffsetsMatchTheManagedClasses) {
  vm::Vm vm;
  vm::defineManagedLibrary(vm);
  for (const ClassLayout& cls : layouts()) {
    const std::vector<Offset> fields = common() + cls.fields;
    const jref object = vm.newObject(cls.className);
    const auto valueOf = [](size_t i) { return static_cast<int32_t>(0x01000001 * (i + 1)); };
    for (size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].byte) {
        vm.setByte(object, fields[i].name, static_cast<int8_t>(valueOf(i)));
      } else {
        vm.setInt(object, fields[i].name, valueOf(i));
      }
    }
    const jref array = vm.newIntArray(std::vector<int32_t>{1, 2});
    if (cls.pointsField) vm.setRef(object, cls.pointsField, array);

    const std::byte* storage = vm.storage(object);
    for (size_t i = 0; i < fields.size(); ++i) {
      const int32_t read = fields[i].byte ? ByteField{fields[i].offset}.read(storage)
                                          : IntField{fields[i].offset}.read(storage);
      const int32_t expected = fields[i].byte ? static_cast<int8_t>(valueOf(i)) : valueOf(i);
      EXPECT_EQ(read, expected) << cls.className << "." << fields[i].name;
    }
    if (cls.pointsField) {
      EXPECT_EQ(RefField{cls.pointsOffset}.read(storage), array) << cls.className;
    }
  }
}

}  // namespace
}  // namespace zelmo::test
