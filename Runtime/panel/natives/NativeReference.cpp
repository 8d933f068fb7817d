#include "panel/natives/NativeReference.h"

#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

ManagedClass canvasNatives() {
  ManagedClass canvas{"uxclasses/graphics/CuxCanvas", {}};
  for (auto* group : {canvasShapeNatives, canvasPointListNatives, canvasArcAndScaleNatives,
                      canvasStringNatives, canvasNumberNatives, canvasTransformNatives})
    for (Native& native : group()) canvas.natives.push_back(std::move(native));
  return canvas;
}

}  // namespace

std::vector<Argument> join(std::initializer_list<std::vector<Argument>> parts) {
  std::vector<Argument> joined;
  for (const std::vector<Argument>& part : parts)
    joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

const std::vector<ManagedClass>& managedClasses() {
  static const std::vector<ManagedClass> classes = {
      arcNatives(),     bezierNatives(),        canvasNatives(),      complexObjNatives(),
      ellipseNatives(), fontNatives(),          graphicFileNatives(), listBoxNatives(),
      pieNatives(),     polyLineNatives(),      polygonNatives(),     rectangleNatives(),
      scaleNatives(),   screenCaptureNatives(), textNatives(),        languageMgrNatives()};
  return classes;
}

const Native* findNative(std::string_view className, std::string_view signature) {
  for (const ManagedClass& cls : managedClasses()) {
    if (cls.name != className) continue;
    for (const Native& native : cls.natives)
      if (native.signature == signature) return &native;
  }
  return nullptr;
}

const char* unitText(Unit unit) {
  switch (unit) {
    case Unit::None:
      return "";
    case Unit::Pixels:
      return "pixels";
    case Unit::Degrees:
      return "whole degrees, counter-clockwise from 3 o'clock";
    case Unit::Tenths:
      return "tenths of a degree, counter-clockwise from 3 o'clock";
    case Unit::Milliradians:
      return "milliradians, clockwise (1570 a quarter turn)";
    case Unit::Percent:
      return "percent";
    case Unit::Colour:
      return "0x00RRGGBB colour; bit 31 set means none";
    case Unit::Font:
      return "a CuxFont; its font handle is used";
    case Unit::Layer:
      return "layer number";
    case Unit::Count:
      return "count";
    case Unit::Index:
      return "index";
    case Unit::Characters:
      return "characters";
    case Unit::Seconds:
      return "seconds since 1970-01-01 00:00 UTC";
    case Unit::Scale:
      return "scale factor, 1.0 unchanged";
    case Unit::ImageHandle:
      return "image handle";
    case Unit::Code:
      return "code";
  }
  return "";
}

std::string_view shortClassName(std::string_view className) {
  return className.substr(className.rfind('/') + 1);
}

}  // namespace panel::natives
