// Shared pieces of the per-class tables: the arguments many natives take, and one function per
// managed class (or, for the canvas, per group of natives) that lists its natives.
#pragma once

#include <vector>

#include "panel/natives/NativeReference.h"
#include "panel/natives/ValueSets.h"

namespace panel::natives {

inline Argument pixels(const char* name, const char* note = nullptr) {
  return {name, Unit::Pixels, nullptr, note};
}
inline Argument colour(const char* name, const char* note = nullptr) {
  return {name, Unit::Colour, nullptr, note};
}
inline Argument code(const char* name, const ValueSet& values, const char* note = nullptr) {
  return {name, Unit::Code, &values, note};
}
inline Argument flag(const char* name, const char* note) {
  return {name, Unit::None, nullptr, note};
}
inline Argument plain(const char* name, const char* note) {
  return {name, Unit::None, nullptr, note};
}

inline Argument layer() { return {"layer", Unit::Layer, nullptr, "the layer drawn on"}; }
inline Argument unusedLayer() { return {"layer", Unit::Layer, nullptr, "not read"}; }
inline Argument unused() { return {"unused", Unit::None, nullptr, "not read"}; }
inline Argument lineWidth() { return pixels("lineWidth"); }
inline Argument lineStyle() { return code("lineStyle", kLineStyles); }
inline Argument fillPattern() { return code("fillPattern", kFillPatterns); }
inline Argument font() { return {"font", Unit::Font, nullptr, nullptr}; }

// x, y, w, h of a box given by its top-left corner and size.
inline std::vector<Argument> box() {
  return {pixels("x", "left edge"), pixels("y", "top edge"), pixels("w", "width"),
          pixels("h", "height")};
}

// Concatenates argument lists, so a native reads as its declaration does.
std::vector<Argument> join(std::initializer_list<std::vector<Argument>> parts);

ManagedClass arcNatives();
ManagedClass bezierNatives();
ManagedClass complexObjNatives();
ManagedClass ellipseNatives();
ManagedClass fontNatives();
ManagedClass graphicFileNatives();
ManagedClass listBoxNatives();
ManagedClass pieNatives();
ManagedClass polyLineNatives();
ManagedClass polygonNatives();
ManagedClass rectangleNatives();
ManagedClass scaleNatives();
ManagedClass screenCaptureNatives();
ManagedClass textNatives();
ManagedClass languageMgrNatives();

// The canvas, in groups of related natives.
std::vector<Native> canvasShapeNatives();
std::vector<Native> canvasPointListNatives();
std::vector<Native> canvasArcAndScaleNatives();
std::vector<Native> canvasStringNatives();
std::vector<Native> canvasNumberNatives();
std::vector<Native> canvasTransformNatives();  // transform, clip, paths, images

}  // namespace panel::natives
