// The module's record offsets against the VM stand-in's class layouts: every field the module
// reads, on every class that has it (shapes, text, font), is set by name in the VM and read back
// at the module's offset and width.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/FontRecord.h"
#include "records/GraphicFileRecord.h"
#include "records/GraphicsRecord.h"
#include "records/ListBoxRecord.h"
#include "records/ScaleRecord.h"
#include "records/ShapeRecords.h"
#include "records/TextRecord.h"
#include "vm/ManagedLibrary.h"
#include "vm/Vm.h"

namespace zelmo::test {
namespace {

// A field as the module reads it: its offset and width.
struct Offset {
  const char* name;
  uint32_t offset;
  size_t size;
};
template <typename T>
Offset at(const char* name, Field<T> f) {
  return {name, f.offset, sizeof(T)};
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
  std::vector<Offset> fields;
};

ClassLayout scaleLayout() {
  namespace s = ScaleFields;
  return {
      s::kClassName,
      {at("startAngle", s::startAngle), at("endAngle", s::endAngle), at("tickStep", s::tickStep),
       at("innerRadius", s::innerRadius), at("outerRadius", s::outerRadius),
       at("divisions", s::divisions), at("circular", s::circular), at("vertical", s::vertical)}};
}

std::vector<ClassLayout> layouts() {
  namespace a = ArcFields;
  namespace r = RectangleFields;
  namespace p = PolygonFields;
  namespace b = BezierFields;
  namespace t = TextFields;
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
      {p::kClassName, std::vector<Offset>{at("pointCount", p::pointCount),
                                          at("fillFlag", p::fillFlag), at("points", p::points)} +
                          level(p::level)},
      {b::kClassName,
       {at("pointCount", b::pointCount), at("lineEnd", b::lineEnd), at("points", b::points)}},
      {"uxclasses/graphics/CuxText",
       {at("textThirdColor", t::textThirdColor), at("textMode", t::textMode), at("text", t::text),
        at("textFont", t::textFont), at("textOption2", t::textOption2),
        at("textOption6", t::textOption6), at("textOption7", t::textOption7),
        at("textOption1", t::textOption1)}},
      scaleLayout(),
      {GraphicFileFields::kClassName,
       {at("imageHandle", GraphicFileFields::imageHandle),
        at("imageOption", GraphicFileFields::imageOption)}},
  };
}

// Every field gets a value of its own (references a fresh object), so a wrong offset reads a
// neighbour's value or a placeholder's zero; the module's width must match the VM's type.
void expectAgrees(vm::Vm& vm, const char* className, const std::vector<Offset>& fields) {
  const jref object = vm.newObject(className);
  std::vector<uint32_t> values;
  for (size_t i = 0; i < fields.size(); ++i) {
    const char* name = fields[i].name;
    const char type = vm.fieldOf(object, name).type.at(0);
    uint32_t value = 0x01000001u * static_cast<uint32_t>(i + 1);
    if (type == 'B' || type == 'Z') {
      vm.setByte(object, name, static_cast<int8_t>(value));
      value &= 0xFF;
    } else if (type == 'I') {
      vm.setInt(object, name, static_cast<int32_t>(value));
    } else {
      vm.setRef(object, name, value = vm.newStringUtf8(name));
    }
    EXPECT_EQ(fields[i].size, type == 'B' || type == 'Z' ? 1u : 4u) << className << "." << name;
    values.push_back(value);
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    uint32_t read = 0;
    std::memcpy(&read, vm.storage(object) + fields[i].offset, fields[i].size);
    EXPECT_EQ(read, values[i]) << className << "." << fields[i].name;
  }
}

TEST(RecordLayout, ModuleOffsetsMatchTheManagedClasses) {
  vm::Vm vm;
  vm::defineManagedLibrary(vm);
  for (const ClassLayout& cls : layouts()) expectAgrees(vm, cls.className, common() + cls.fields);
  namespace f = FontFields;
  expectAgrees(vm, "uxclasses/graphics/CuxFont",
               {at("fontName", f::fontName), at("fontHandle", f::fontHandle),
                at("textWidth", f::textWidth), at("textHeight", f::textHeight),
                at("textMetric3", f::textMetric3), at("fontOption1", f::fontOption1),
                at("fontOption2", f::fontOption2), at("fontOption3", f::fontOption3)});
  namespace l = ListBoxFields;
  expectAgrees(vm, l::kClassName,
               {at("x1", l::x1), at("y1", l::y1), at("x2", l::x2), at("y2", l::y2),
                at("originX1", l::originX1), at("originY1", l::originY1),
                at("originX2", l::originX2), at("originY2", l::originY2),
                at("listSpareColor", l::listSpareColor), at("listTextColor", l::listTextColor),
                at("listBackColor", l::listBackColor), at("frameWidthCopy", l::frameWidthCopy),
                at("font", l::font), at("nativeListBox", l::nativeListBox), at("queryY", l::queryY),
                at("rowLimit", l::rowLimit), at("hasTitle", l::hasTitle)});
}

}  // namespace
}  // namespace zelmo::test
