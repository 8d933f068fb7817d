// Every registered native, called again and again with receivers and arguments the input picks
// from a pool of hostile values: null, objects of the wrong class, short arrays, long strings with
// lone surrogates, extreme numbers, and objects whose fields hold them (fonts whose handle went
// stale, objects holding themselves, list boxes deleted twice). Every object moves after every
// call. A native that crashes, overruns, unbalances the stacks, damages another object's header
// or takes more than a second for one call is a finding.
//
// The natives come from the VM's registration list, so natives added later are covered without
// editing this file. The total of native calls is printed at exit.
#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/FatalError.h"
#include "gx/Backend.h"
#include "vm/ManagedLibrary.h"
#include "vm/ModuleLoader.h"
#include "vm/Vm.h"

// Font and drawing libraries keep caches for the life of the process; they are not leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libfreetype\nleak:libcairo\nleak:libpixman\n";
}

namespace {

constexpr int32_t kInts[] = {0,
                             -1,
                             1,
                             2,
                             7,
                             80,
                             261,
                             2800,
                             2801,
                             0x7FFF,
                             0x8000,
                             -0x8000,
                             0xFFFF,
                             std::numeric_limits<int32_t>::min(),
                             std::numeric_limits<int32_t>::max()};
constexpr float kFloats[] = {0.0f,
                             -1.0f,
                             0.5f,
                             2801.0f,
                             -2801.0f,
                             3e9f,
                             -3e9f,
                             1e38f,
                             std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity()};
constexpr size_t kStringLengths[] = {0, 1, 80, 261, 5000};
constexpr int32_t kArrayLengths[] = {0, 1, 2, 3, 5, 8};
constexpr int kMaxCallsPerInput = 128;
constexpr int kMaxObjects = 48;

uint64_t totalCalls = 0;

void printTotal() {
  std::fprintf(stderr, "NativesFuzz: %llu native calls\n",
               static_cast<unsigned long long>(totalCalls));
}

vm::Module& module() {
  static vm::Module* loaded = [] {
    std::atexit(printTotal);
    return new vm::Module(ZELMO_MODULE_PATH);
  }();
  return *loaded;
}

// One input's VM, with the managed library and every class registered afresh.
class Session {
 public:
  explicit Session(FuzzedDataProvider& in) : in_(in), vm_(size_t{256} << 20, size_t{1} << 13) {
    vm::defineManagedLibrary(vm_);
    module().initAllClasses();
    vm_.relocateOnEveryCall = true;
    for (const vm::NativeMethod& native : vm_.natives()) {
      collectClassNames(native.className);
      for (const std::string& type : native.descriptor.parameterTypes) collectClassNames(type);
    }
  }

  void run() {
    const std::vector<vm::NativeMethod>& natives = vm_.natives();
    if (natives.empty()) return;
    const vm::NativeMethod* last = nullptr;
    std::optional<jref> lastSelf;
    std::vector<vm::Arg> args;
    for (int call = 0; call < kMaxCallsPerInput && in_.remaining_bytes() > 0; ++call) {
      // Now and then the same call again: a second delete, a second unload.
      if (last && in_.ConsumeIntegralInRange<int>(0, 7) == 0) {
        invoke(*last, lastSelf, args);
        continue;
      }
      const vm::NativeMethod& native =
          natives[in_.ConsumeIntegralInRange<size_t>(0, natives.size() - 1)];
      args.clear();
      const vm::Descriptor& d = native.descriptor;
      for (size_t i = 0; i < d.parameters.size(); ++i)
        args.push_back(argument(d.parameters[i], d.parameterTypes[i]));
      lastSelf = native.isStatic ? std::nullopt : std::optional<jref>(receiver(native.className));
      last = &native;
      invoke(native, lastSelf, args);
    }
  }

 private:
  void invoke(const vm::NativeMethod& native, std::optional<jref> self,
              const std::vector<vm::Arg>& args) {
    const auto started = std::chrono::steady_clock::now();
    vm_.invoke(native, self, args);  // throws (and so aborts the run) on unbalanced stacks
    ++totalCalls;
    if (std::chrono::steady_clock::now() - started > std::chrono::seconds(1)) {
      std::fprintf(stderr, "%s.%s took more than a second\n", native.className.c_str(),
                   native.signature.c_str());
      std::abort();
    }
    checkHeap(native);
  }

  // Every object the run made is still an object of its class; the heap did not shrink.
  void checkHeap(const vm::NativeMethod& native) {
    for (const auto& [object, cls] : made_) {
      if (!vm_.isObject(object) || &vm_.classOf(object) != cls) {
        std::fprintf(stderr, "after %s.%s object %08x lost its header\n", native.className.c_str(),
                     native.signature.c_str(), object);
        std::abort();
      }
    }
  }

  jref remember(jref object) {
    if (object) made_.emplace(object, &vm_.classOf(object));
    return object;
  }

  int32_t anInt() {
    if (in_.ConsumeBool()) return in_.PickValueInArray(kInts);
    return in_.ConsumeIntegral<int32_t>();
  }

  vm::Arg argument(vm::Kind kind, const std::string& type) {
    switch (kind) {
      case vm::Kind::Float:
        return vm::Arg::f(in_.PickValueInArray(kFloats));
      case vm::Kind::Bool:
        return vm::Arg::z(in_.ConsumeBool());
      case vm::Kind::Byte:
        return vm::Arg::b(static_cast<int8_t>(anInt()));
      case vm::Kind::Char:
        return vm::Arg::c(static_cast<char16_t>(anInt()));
      case vm::Kind::Ref:
        return vm::Arg::ref(reference(type, 0));
      default:
        return vm::Arg::i(anInt());
    }
  }

  // Mostly an object of the native's class, sometimes null or an object of another class.
  jref receiver(const std::string& className) {
    switch (in_.ConsumeIntegralInRange<int>(0, 15)) {
      case 0:
        return 0;
      case 1:
        return otherClassOf(className, 0);
      default:
        return instance(className, 0);
    }
  }

  std::u16string hostileText() {
    const size_t length = in_.PickValueInArray(kStringLengths);
    std::u16string text(length, u'W');
    for (size_t i = 0; i < length; i += 7)
      text[i] = static_cast<char16_t>(in_.ConsumeIntegral<uint16_t>());
    if (length > 0) text[length - 1] = 0xD800;  // a high surrogate with nothing after it
    if (length > 2) text[length / 2] = 0xDC00;  // a low surrogate with nothing before it
    return text;
  }

  jref intArray() {
    std::vector<int32_t> values(static_cast<size_t>(in_.PickValueInArray(kArrayLengths)));
    for (int32_t& v : values) v = anInt();
    return remember(vm_.newIntArray(values));
  }

  // An object of another class that the type system lets stand where `className` is declared:
  // a subclass, or anything where an Object is. (The VM checks declared types, so a native
  // never sees a String where it declared a font.)
  jref otherClassOf(const std::string& className, int depth) {
    std::vector<std::string> others;
    const vm::ClassDef* declared = vm_.findClass(className);
    if (!declared) return 0;
    for (const std::string& name : classNames_) {
      const vm::ClassDef* cls = vm_.findClass(name);
      if (cls && cls != declared && cls->isSubclassOf(*declared)) others.push_back(name);
    }
    if (className == "java/lang/Object") {
      if (in_.ConsumeBool()) return remember(vm_.newString(u"other"));
      if (in_.ConsumeBool()) return intArray();
    }
    if (others.empty()) return instance(className, depth);
    return instance(others[in_.ConsumeIntegralInRange<size_t>(0, others.size() - 1)], depth);
  }

  // Whether an array of type `type` may hold an object of class `cls`.
  bool holdsItselfIn(const vm::ClassDef& cls, const std::string& type) const {
    if (type.size() < 4 || type[0] != '[' || type[1] != 'L') return false;
    const vm::ClassDef* element = vm_.findClass(type.substr(2, type.size() - 3));
    return element && cls.isSubclassOf(*element);
  }

  // The classes the natives and their fields name.
  void collectClassNames(const std::string& type) {
    std::string name = type;
    while (!name.empty() && name[0] == '[') name.erase(0, 1);
    if (name.size() > 2 && name[0] == 'L') name = name.substr(1, name.size() - 2);
    if (name.size() <= 1 || !classNames_.insert(name).second) return;
    if (const vm::ClassDef* cls = vm_.findClass(name))
      for (const vm::FieldInfo& f : cls->fields()) collectClassNames(f.type);
  }

  // A reference of the declared type: null, one of the wrong class, or a hostile one.
  jref reference(const std::string& type, int depth) {
    const int choice = in_.ConsumeIntegralInRange<int>(0, 9);
    if (choice == 0 || made_.size() >= kMaxObjects) return existingOf(type);
    if (choice == 1 && type.size() > 2 && type[0] == 'L')
      return otherClassOf(type.substr(1, type.size() - 2), depth);
    if (type == "[I") return intArray();
    if (type == "[C") return remember(vm_.newCharArray(hostileText()));
    if (type == "Ljava/lang/String;") return remember(vm_.newString(hostileText()));
    if (type.size() > 2 && type[0] == '[') {
      std::vector<jref> elements(static_cast<size_t>(in_.PickValueInArray(kArrayLengths)));
      for (jref& e : elements) e = depth < 2 ? reference(type.substr(1), depth + 1) : 0;
      return remember(vm_.newRefArray(elements));
    }
    if (type.size() > 2 && type[0] == 'L') return instance(type.substr(1, type.size() - 2), depth);
    return 0;
  }

  // Null, or an object made earlier in this run that has the declared class.
  jref existingOf(const std::string& type) {
    std::vector<jref> fitting{0};
    const std::string className =
        type.size() > 2 && type[0] == 'L' ? type.substr(1, type.size() - 2) : std::string();
    for (const auto& [object, cls] : made_)
      if (cls->name() == className) fitting.push_back(object);
    return fitting[in_.ConsumeIntegralInRange<size_t>(0, fitting.size() - 1)];
  }

  // An object of the class, reused from earlier calls or new with hostile fields; a reference
  // field may hold the object itself.
  jref instance(const std::string& className, int depth) {
    const vm::ClassDef* cls = vm_.findClass(className);
    if (!cls) return 0;
    if (in_.ConsumeBool() || made_.size() >= kMaxObjects) {
      if (const jref old = existingOf("L" + className + ";")) return old;
      if (made_.size() >= kMaxObjects) return 0;
    }
    const jref object = remember(vm_.newObject(*cls));
    for (const vm::FieldInfo& f : cls->fields()) {
      if (f.type == "I") {
        vm_.setInt(object, f.name, anInt());
      } else if (f.type == "B" || f.type == "Z") {
        vm_.setByte(object, f.name, static_cast<int8_t>(anInt()));
      } else if (f.type == "C") {
        vm_.setChar(object, f.name, static_cast<char16_t>(anInt()));
      } else if (f.type == "F") {
        vm_.setFloat(object, f.name, in_.PickValueInArray(kFloats));
      } else if (f.type[0] == 'L' || f.type[0] == '[') {
        const vm::ClassDef* fieldClass =
            f.type[0] == 'L' ? vm_.findClass(f.type.substr(1, f.type.size() - 2)) : nullptr;
        const bool itself = fieldClass && cls->isSubclassOf(*fieldClass);
        if (itself && in_.ConsumeBool()) {
          vm_.setRef(object, f.name, object);
        } else if (holdsItselfIn(*cls, f.type) && in_.ConsumeBool()) {
          vm_.setRef(object, f.name, remember(vm_.newRefArray(std::vector<jref>{object, object})));
        } else {
          vm_.setRef(object, f.name, depth < 2 ? reference(f.type, depth + 1) : 0);
        }
      }
    }
    return object;
  }

  FuzzedDataProvider& in_;
  vm::Vm vm_;
  std::map<jref, const vm::ClassDef*> made_;
  std::set<std::string> classNames_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  gx::installService(nullptr);  // the null drawing service: the module is under test here
  core::clearFatalReports();    // a fatal report is how natives refuse some values; kept per input
  Session session(in);
  session.run();
  return 0;
}
