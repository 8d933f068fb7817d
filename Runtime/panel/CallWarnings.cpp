#include "panel/CallWarnings.h"

#include <cstring>

#include "panel/natives/NativeReference.h"

namespace panel {

namespace {

constexpr const char* kCanvas = "uxclasses/graphics/CuxCanvas";

// The index of the argument of that name, if the native has one.
std::optional<size_t> argumentNamed(const natives::Native& entry, const char* name) {
  for (size_t i = 0; i < entry.arguments.size(); ++i)
    if (std::strcmp(entry.arguments[i].name, name) == 0) return i;
  return std::nullopt;
}

int32_t asInt(const vm::Arg& arg) { return static_cast<int32_t>(arg.bits); }

// Whether a group's draw(I)V draws any member: the module draws only members whose state has
// both shown bits.
bool drawsAnyMember(const vm::Vm& vm, jref group) {
  constexpr int32_t kShown = 0x02 | 0x04;
  const jref members = vm.getRef(group, "children");
  if (members == 0) return false;
  for (int32_t i = 0; i < vm.arrayLength(members); ++i) {
    const jref member = vm.refElements(members)[i];
    if (member != 0 && (vm.getInt(member, "state") & kShown) == kShown) return true;
  }
  return false;
}

}  // namespace

std::vector<CallWarning> callWarnings(vm::Vm& vm, const vm::NativeMethod& native,
                                      std::optional<jref> self,
                                      const std::vector<const Json*>& args,
                                      const std::vector<vm::Arg>& values, const Json& call,
                                      int layers) {
  std::vector<CallWarning> warnings;
  const natives::Native* entry = natives::findNative(native.className, native.signature);
  if (!entry || entry->arguments.size() != values.size()) return warnings;
  const auto w = argumentNamed(*entry, "w");
  const auto h = argumentNamed(*entry, "h");
  if (w && h && (asInt(values[*w]) == 0 || asInt(values[*h]) == 0))
    warnings.push_back(
        {"a box of zero size draws nothing", asInt(values[*w]) == 0 ? args[*w] : args[*h]});
  for (size_t i = 0; i < values.size(); ++i)
    if (native.descriptor.parameterTypes[i] == "Luxclasses/graphics/CuxFont;" &&
        values[i].bits == 0)
      warnings.push_back({"a null font: no text is drawn with it", args[i]});
  if (const auto decimals = argumentNamed(*entry, "decimals");
      decimals && asInt(values[*decimals]) > 0) {
    const vm::ClassDef* canvas = vm.findClass(kCanvas);
    const auto separator = canvas ? canvas->staticField("decimalSeparator") : std::nullopt;
    char16_t unset = 0;
    if (separator &&
        std::memcmp(canvas->staticStorage + separator->offset, &unset, sizeof unset) == 0)
      warnings.push_back({"decimals are drawn, but the static decimalSeparator of " +
                              std::string(kCanvas) + " is unset, so no separator shows them",
                          args[*decimals]});
  }
  if (self && *self != 0) {
    const vm::ClassDef& cls = vm.classOf(*self);
    const vm::ClassDef* group = vm.findClass("uxclasses/graphics/CuxComplexObj");
    if (native.signature == "draw(I)V" && group && cls.isSubclassOf(*group) &&
        !drawsAnyMember(vm, *self))
      warnings.push_back(
          {"the group draws nothing: no member's state has both shown bits "
           "(0x02 and 0x04)",
           &call});
    if (const auto layer = cls.field("layer"); layer && layer->type == "I") {
      int32_t value = 0;
      std::memcpy(&value, vm.storage(*self) + layer->offset, sizeof value);
      if (value < 0 || value >= layers)
        warnings.push_back({"drawn on layer " + std::to_string(value) + ", but the screen has " +
                                std::to_string(layers) + (layers == 1 ? " layer" : " layers"),
                            &call});
    }
  }
  return warnings;
}

}  // namespace panel
