#include "vm/ManagedLibrary.h"

#include <string>
#include <vector>

#include "vm/LanguageMgrStandIn.h"
#include "vm/StandIns.h"
#include "vm/Vm.h"

namespace vm {

namespace {

// CuxGraphics: the common part of every retained graphic object. Names starting with "unread"
// are managed fields the module does not read; they keep the later fields in their places.
void defineGraphicsBase(Vm& vm) {
  std::vector<FieldSpec> fields = {{"x1", "I"},          {"y1", "I"},          {"x2", "I"},
                                   {"y2", "I"},          {"origX1", "I"},      {"origY1", "I"},
                                   {"origX2", "I"},      {"origY2", "I"},      {"state", "I"},
                                   {"unreadByte1", "B"}, {"unreadByte2", "B"}, {"unreadByte3", "B"},
                                   {"rotated", "Z"},     {"angle", "I"},       {"unreadInt1", "I"},
                                   {"unreadInt2", "I"},  {"rotationX", "I"},   {"rotationY", "I"}};
  for (int i = 3; i <= 11; ++i) fields.push_back({"unreadInt" + std::to_string(i), "I"});
  const std::vector<FieldSpec> tail = {
      {"fillColor", "I"},     {"backColor", "I"},    {"lineColor", "I"},   {"centerX", "I"},
      {"centerY", "I"},       {"origCenterX", "I"},  {"origCenterY", "I"}, {"origRotationX", "I"},
      {"origRotationY", "I"}, {"lineStyle", "B"},    {"lineWidth", "B"},   {"fillPattern", "B"},
      {"unreadByte4", "B"},   {"hasBackground", "Z"}};
  fields.insert(fields.end(), tail.begin(), tail.end());
  vm.defineClass("uxclasses/baseclasses/CuxGraphics", "java/lang/Object", fields);
}

// The simple retained shapes: ellipse, rectangle, arc, pie, polygon and Bezier.
void defineShapes(Vm& vm) {
  const std::string base = "uxclasses/baseclasses/CuxGraphics";
  const std::vector<FieldSpec> level = {{"levelBackColor", "I"},  {"levelPercentH", "I"},
                                        {"levelPercentV", "I"},   {"levelBackPattern", "B"},
                                        {"levelDirectionH", "B"}, {"levelDirectionV", "B"}};
  const auto join = [](std::vector<FieldSpec> a, const std::vector<FieldSpec>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };

  vm.defineClass("uxclasses/graphics/CuxEllipse", base, level);

  vm.defineClass("uxclasses/graphics/CuxRectangle", base,
                 {{"unreadRectInt1", "I"},
                  {"unreadRectInt2", "I"},
                  {"rectWidth", "I"},
                  {"rectHeight", "I"},
                  {"cornerRadiusX", "I"},
                  {"cornerRadiusY", "I"},
                  {"levelBackColor", "I"},
                  {"levelPercentH", "I"},
                  {"levelPercentV", "I"},
                  {"rounded", "B"},
                  {"levelBackPattern", "B"},
                  {"levelDirectionH", "B"},
                  {"levelDirectionV", "B"}});

  const std::vector<FieldSpec> arc = {
      {"arcX1", "I"},         {"arcX2", "I"},         {"arcY1", "I"},
      {"arcY2", "I"},         {"unreadArcInt1", "I"}, {"unreadArcInt2", "I"},
      {"unreadArcInt3", "I"}, {"unreadArcInt4", "I"}, {"startX", "I"},
      {"startY", "I"},        {"endX", "I"},          {"endY", "I"},
      {"unreadArcInt5", "I"}, {"unreadArcInt6", "I"}, {"unreadArcInt7", "I"},
      {"unreadArcInt8", "I"}, {"arcFlag", "Z"}};
  vm.defineClass("uxclasses/graphics/CuxArc", base, arc);
  vm.defineClass("uxclasses/graphics/CuxPie", base, join(arc, level));

  vm.defineClass("uxclasses/graphics/CuxPolygon", base,
                 join(join({{"pointCount", "I"},
                            {"points", "[I"},
                            {"unreadPolygonInt1", "I"},
                            {"unreadPolygonInt2", "I"}},
                           level),
                      {{"fillFlag", "Z"}}));

  vm.defineClass(
      "uxclasses/graphics/CuxBezier", base,
      {{"pointCount", "I"}, {"points", "[I"}, {"unreadBezierInt1", "I"}, {"lineEnd", "B"}});
}

// The list box: the natives read a few of its fields; the rest are placeholders.
void defineListBox(Vm& vm) {
  std::vector<FieldSpec> fields;
  int unread = 0;
  const auto ints = [&](std::initializer_list<const char*> names) {
    for (const char* name : names) fields.push_back({name, "I"});
  };
  const auto skip = [&](int count) {
    for (int i = 0; i < count; ++i)
      fields.push_back({"unreadListInt" + std::to_string(++unread), "I"});
  };
  ints({"x1", "y1", "x2", "y2"});
  skip(4);
  ints({"originX1", "originY1", "originX2", "originY2"});
  skip(13);
  ints({"listSpareColor", "listTextColor", "listBackColor"});
  skip(7);
  fields.push_back({"unreadListByte1", "B"});
  fields.push_back({"frameWidthCopy", "B"});
  fields.push_back({"font", "Luxclasses/graphics/CuxFont;"});
  ints({"nativeListBox"});
  skip(1);
  ints({"queryY"});
  skip(1);
  ints({"rowLimit"});
  skip(2);
  fields.push_back({"hasTitle", "Z"});
  fields.push_back({"unreadListByte2", "B"});
  vm.defineClass("uxclasses/graphics/CuxListBox", "java/lang/Object", fields);
}

// CuxScale, a retained row of ticks (the two "unread" ints are the managed side's own), and the
// canvas class method that prepares rotating polygons.
void defineScale(Vm& vm) {
  vm.defineClass("uxclasses/graphics/CuxScale", "uxclasses/baseclasses/CuxGraphics",
                 {{"startAngle", "I"},
                  {"endAngle", "I"},
                  {"tickStep", "I"},
                  {"innerRadius", "I"},
                  {"unreadScaleInt1", "I"},
                  {"outerRadius", "I"},
                  {"unreadScaleInt2", "I"},
                  {"divisions", "I"},
                  {"circular", "Z"},
                  {"vertical", "Z"}});
  vm.declareStaticNative("uxclasses/graphics/CuxCanvas", "preCalculatePolygonParams(I[I[I[I[I)V");
}

// An image object and the screen capture, which has no fields of its own.
void defineImages(Vm& vm) {
  vm.defineClass("uxclasses/graphics/CuxGraphicFile", "uxclasses/baseclasses/CuxGraphics",
                 {{"imageHandle", "I"}, {"imageOption", "I"}});
  vm.defineClass("uxclasses/graphics/CuxScreenCapture", "java/lang/Object", {});
}

}  // namespace

void defineManagedLibrary(Vm& vm) {
  // The class methods among the natives: they have no `this`.
  for (const char* signature : {"fillPath(Ljava/lang/String;I)V", "drawPath(Ljava/lang/String;II)V",
                                "fillAndDrawPath(Ljava/lang/String;III)V"})
    vm.declareStaticNative("uxclasses/graphics/CuxCanvas", signature);
  for (const char* signature : {"createImage(IIIII[I)I", "loadImage(Ljava/lang/String;[I)I"})
    vm.declareStaticNative("uxclasses/graphics/CuxGraphicFile", signature);
  defineGraphicsBase(vm);
  defineShapes(vm);

  vm.defineClass("uxclasses/graphics/CuxArea", "java/lang/Object",
                 {{"x1", "I"}, {"y1", "I"}, {"x2", "I"}, {"y2", "I"}});

  vm.defineClass("uxclasses/graphics/CuxFont", "java/lang/Object",
                 {{"fontName", "Ljava/lang/String;"},
                  {"fontHandle", "I"},
                  {"textWidth", "I"},
                  {"textHeight", "I"},
                  {"textMetric3", "I"},
                  {"fontOption1", "B"},
                  {"fontOption2", "B"},
                  {"fontOption3", "B"}});

  vm.defineClass("uxclasses/graphics/CuxText", "uxclasses/baseclasses/CuxGraphics",
                 {{"textThirdColor", "I"},
                  {"textMode", "I"},
                  {"text", "Ljava/lang/String;"},
                  {"textFont", "Luxclasses/graphics/CuxFont;"},
                  {"unreadTextByte1", "B"},
                  {"unreadTextByte2", "B"},
                  {"textOption2", "B"},
                  {"textOption6", "B"},
                  {"textOption7", "B"},
                  {"textOption1", "B"}});

  // The first static is the managed side's own and is not read by the module.
  vm.defineClass("uxclasses/graphics/CuxCanvas", "java/lang/Object",
                 {{"color", "I"},
                  {"backColor", "I"},
                  {"textThirdColor", "I"},
                  {"fillPattern", "I"},
                  {"fontHandle", "I"},
                  {"lineWidth", "I"},
                  {"lineStyle", "I"},
                  {"textOption", "I"},
                  {"layer", "I"}},
                 {{"instanceCount", "I"}, {"decimalSeparator", "C"}, {"groupSeparator", "C"}});
  defineListBox(vm);
  defineScale(vm);
  defineImages(vm);

  defineGraphicsStandIns(vm);
  defineLanguageMgr(vm);
}

}  // namespace vm
