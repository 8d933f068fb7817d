#include "vm/ManagedLibrary.h"

#include <string>
#include <vector>

#include "vm/Vm.h"

namespace vm {

namespace {

// CuxGraphics: the common part of every retained graphic object. Names starting with "unread"
// are managed fields the module does not read; they keep the later fields in their places.
void defineGraphicsBase(Vm& vm) {
  std::vector<FieldSpec> fields = {
      {"x1", "I"},          {"y1", "I"},          {"x2", "I"},          {"y2", "I"},
      {"origX1", "I"},      {"origY1", "I"},      {"origX2", "I"},      {"origY2", "I"},
      {"state", "I"},       {"unreadByte1", "B"}, {"unreadByte2", "B"}, {"unreadByte3", "B"},
      {"rotated", "Z"},     {"angle", "I"},       {"unreadInt1", "I"},  {"unreadInt2", "I"},
      {"rotationX", "I"},   {"rotationY", "I"}};
  for (int i = 3; i <= 11; ++i) fields.push_back({"unreadInt" + std::to_string(i), "I"});
  const std::vector<FieldSpec> tail = {
      {"fillColor", "I"},     {"backColor", "I"},     {"lineColor", "I"},
      {"centerX", "I"},       {"centerY", "I"},       {"origCenterX", "I"},
      {"origCenterY", "I"},   {"origRotationX", "I"}, {"origRotationY", "I"},
      {"lineStyle", "B"},     {"lineWidth", "B"},     {"fillPattern", "B"},
      {"unreadByte4", "B"},   {"hasBackground", "Z"}};
  fields.insert(fields.end(), tail.begin(), tail.end());
  vm.defineClass("uxclasses/baseclasses/CuxGraphics", "java/lang/Object", fields);
}

}  // namespace

void defineManagedLibrary(Vm& vm) {
  defineGraphicsBase(vm);

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
}

}  // namespace vm
