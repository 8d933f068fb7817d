#include "vm/ManagedLibrary.h"

#include "vm/Vm.h"

namespace vm {

void defineManagedLibrary(Vm& vm) {
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
