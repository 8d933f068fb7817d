// Every registered native, called with null references and extreme numbers, returns without
// crashing, overrunning (the sanitizer build checks) or unbalancing the VM's stacks.
#include <limits>

#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr int32_t kExtremes[] = {
    0, -1, 1, 2801, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};

// A receiver of the native's class with every int field at `fill` and every byte at its low bits.
jref receiverFor(vm::Vm& vm, const std::string& className, int32_t fill) {
  const vm::ClassDef* cls = vm.findClass(className);
  if (!cls) return 0;
  const jref object = vm.newObject(*cls);
  for (const vm::FieldInfo& f : cls->fields()) {
    if (f.type == "I") vm.setInt(object, f.name, fill);
    if (f.type == "B" || f.type == "Z") vm.setByte(object, f.name, static_cast<int8_t>(fill));
  }
  return object;
}

// A reference argument: null, or an object of the declared type with hostile contents (short
// arrays, a long string, records full of extreme values).
jref objectFor(vm::Vm& vm, const std::string& type, int32_t value, bool null) {
  if (null) return 0;
  if (type == "[I") return vm.newIntArray(std::vector<int32_t>{value, value, value});
  const jref text = vm.newString(std::u16string(300, u'W'));
  if (type == "Ljava/lang/String;") return text;
  if (type == "[Ljava/lang/String;") return vm.newRefArray(std::vector<jref>{text, 0});
  if (type.front() == 'L') return receiverFor(vm, type.substr(1, type.size() - 2), value);
  return 0;
}

vm::Arg argFor(vm::Kind kind, int32_t value) {
  switch (kind) {
    case vm::Kind::Float:
      return vm::Arg::f(value == 1 ? std::numeric_limits<float>::quiet_NaN()
                                   : static_cast<float>(value) * 1e30f);
    case vm::Kind::Bool:
      return vm::Arg::z(value != 0);
    case vm::Kind::Byte:
      return vm::Arg::b(static_cast<int8_t>(value));
    default:
      return vm::Arg::i(value);
  }
}

TEST_F(ModuleTest, EveryNativeSurvivesNullsAndExtremeNumbers) {
  const std::vector<vm::NativeMethod> natives = vm.natives();
  for (const bool nullReferences : {true, false}) {
    for (const int32_t value : kExtremes) {
      for (const vm::NativeMethod& native : natives) {
        std::vector<vm::Arg> args;
        const auto& d = native.descriptor;
        for (size_t i = 0; i < d.parameters.size(); ++i) {
          args.push_back(
              d.parameters[i] == vm::Kind::Ref
                  ? vm::Arg::ref(objectFor(vm, d.parameterTypes[i], value, nullReferences))
                  : argFor(d.parameters[i], value));
        }
        // Class methods get no receiver (the VM refuses one).
        const std::optional<jref> self =
            native.isStatic ? std::nullopt
                            : std::optional<jref>(receiverFor(vm, native.className, value));
        EXPECT_NO_THROW(vm.invoke(native, self, args))
            << native.className << " " << native.signature << " with " << value;
        recorder.clear();
      }
    }
  }
}

}  // namespace
}  // namespace zelmo::test
