// The virtual machine stand-in: a managed heap of movable objects at 32-bit addresses, the two
// downward-growing slot stacks with their four pointer variables, classes and statics, native
// registration, and invocation of natives (and managed methods) exactly as the VM would.
//
// Object layout: r-12 forwarding word (address of the current field storage), r-8 class id,
// r-4 the reference r itself, r the body. A moved object gets a new storage block whose word
// before the body again holds r, so tendPtr(storage) and tendPtr(r) both give r.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/PlatformTypes.h"
#include "vm/Arena.h"
#include "vm/ClassDef.h"
#include "vm/Descriptor.h"

namespace vm {

// One argument as the caller hands it to invoke; the kind must match the descriptor.
struct Arg {
  Kind kind;
  uint32_t bits;
  static Arg i(int32_t v) { return {Kind::Int, static_cast<uint32_t>(v)}; }
  static Arg f(float v);
  static Arg z(bool v) { return {Kind::Bool, v ? 1u : 0u}; }
  static Arg b(int8_t v) { return {Kind::Byte, static_cast<uint32_t>(static_cast<int32_t>(v))}; }
  static Arg c(char16_t v) { return {Kind::Char, v}; }
  static Arg ref(jref v) { return {Kind::Ref, v}; }
};

struct Result {
  uint32_t bits = 0;
  int32_t i() const { return static_cast<int32_t>(bits); }
  bool z() const { return (bits & 0xFF) != 0; }
  float f() const;
  jref ref() const { return bits; }
};

struct NativeMethod {
  std::string className;
  std::string signature;
  NativeFunction function = nullptr;
  Descriptor descriptor;
  bool isStatic = false;  // a class method: no `this` in reference slot 0
};

// A native call whose shape (receiver or none, argument kinds) was checked once, as a VM checks a
// call site when it loads the code; made by Vm::prepare, run by Vm::invoke.
struct PreparedCall {
  const NativeMethod* method;
  bool withReceiver;
};

// A managed method written in C++ (the managed library's stand-in), reached through method slots.
struct ManagedMethod;
using ManagedBody = std::function<void(class Frame&)>;
// A method slot: the (class, signature) the module registered; what a method number stands for.
struct MethodSlot;
struct ResolvedMethod;

// One upcall as the VM is asked to run it, before the method's body runs.
struct UpcallEvent {
  const std::string& className;  // the class the slot names
  const std::string& signature;
  jref receiver;
  bool isVirtual;                 // dispatched on the receiver's class
  std::span<const int32_t> args;  // primitive arguments after `this`, bytes sign-extended
};

class Vm {
 public:
  // Reserved, not committed: pages are only touched as objects are made. A 32-bit process
  // keeps a smaller reservation so that its address space has room for everything else.
  static constexpr size_t kDefaultHeapBytes = sizeof(void*) > 4 ? size_t{1} << 30 : size_t{1} << 28;

  explicit Vm(size_t heapBytes = kDefaultHeapBytes, size_t stackSlots = 1 << 16);
  ~Vm();
  Vm(const Vm&) = delete;
  Vm& operator=(const Vm&) = delete;

  // The VM the platform functions serve; throws when there is none. Inline, as every native's
  // frame and stack access asks for it.
  static Vm& current() {
    if (!running_) noneRunning();
    return *running_;
  }

  // Classes.
  ClassDef& defineClass(const std::string& name, const std::string& superclass,
                        const std::vector<FieldSpec>& fields,
                        const std::vector<FieldSpec>& statics = {});
  const ClassDef* findClass(std::string_view name) const;
  const ClassDef& classNamed(std::string_view name) const;  // throws when unknown
  std::vector<std::string> classNames() const;
  const ClassDef& classOf(jref object) const;
  std::byte* statics(std::string_view className) const;

  // Objects. References are 32-bit addresses; 0 is null.
  jref newObject(const ClassDef& cls);
  jref newObject(std::string_view className) { return newObject(classNamed(className)); }
  jref newIntArray(std::span<const int32_t> values);
  jref newIntArray(int32_t length);
  // An array of references; its class is the array type, such as
  // "[Luxclasses/baseclasses/CuxGraphics;".
  jref newRefArray(std::span<const jref> values,
                   std::string_view arrayClassName = "[Ljava/lang/String;");
  jref newCharArray(std::u16string_view chars);
  jref newString(std::u16string_view text);
  jref newStringUtf8(std::string_view text);
  jref internString(std::string_view text);  // one String per distinct text

  // The current field storage of an object, through its forwarding word; null for null.
  std::byte* storage(jref object) const;
  bool isObject(jref object) const;

  // Typed field access by name (the runtime's own view; tests compare it with the module's).
  FieldInfo fieldOf(jref object, const std::string& name) const;
  void setInt(jref object, const std::string& name, int32_t value);
  int32_t getInt(jref object, const std::string& name) const;
  void setFloat(jref object, const std::string& name, float value);
  void setByte(jref object, const std::string& name, int8_t value);
  int8_t getByte(jref object, const std::string& name) const;
  void setChar(jref object, const std::string& name, char16_t value);
  void setRef(jref object, const std::string& name, jref value);
  jref getRef(jref object, const std::string& name) const;
  void setStaticChar(std::string_view className, const std::string& name, char16_t value);

  // Arrays and strings.
  int32_t arrayLength(jref array) const;
  int32_t* intElements(jref array) const;
  jref* refElements(jref array) const;
  std::vector<int32_t> intArray(jref array) const;
  std::u16string stringValue(jref string) const;

  // Moving: a new storage block, forwarding word updated, the old block poisoned.
  void relocate(jref object);
  void relocateAll();
  // When on, every object moves after each native call, at each upcall, and whenever a native
  // asks the VM for a new object or string (where a real collector may run).
  bool relocateOnEveryCall = false;

  // Natives. Class methods are declared with their class, before the module registers them.
  void declareStaticNative(const std::string& className, const std::string& signature);
  int32_t registerNative(const char* className, const char* signature, NativeFunction function);
  const std::vector<NativeMethod>& natives() const { return natives_; }
  // The latest registration for (class, signature), or null.
  const NativeMethod* findNative(std::string_view className, std::string_view signature) const;
  // Pushes the receiver (if any) and the arguments, sets the frame pointers just above them,
  // calls the native, reads the result from slot 0 and checks that the stacks are balanced.
  // An instance native invoked without a receiver gets the null reference as `this`; a static
  // one invoked with a receiver is refused.
  // Throws std::invalid_argument on arguments that do not match the descriptor and
  // std::logic_error when the native leaves the stacks unbalanced.
  Result invoke(const NativeMethod& method, std::optional<jref> self, std::span<const Arg> args);
  Result invoke(std::string_view className, std::string_view signature, std::optional<jref> self,
                std::initializer_list<Arg> args = {});
  // Checks a call of this shape once, throwing as invoke would; invoking the prepared call then
  // checks only the argument count, the receiver's presence and the room on the stacks, and
  // takes each argument's slot from the descriptor (the kinds in `args` are not looked at).
  PreparedCall prepare(const NativeMethod& method, std::optional<jref> self,
                       std::span<const Arg> args) const;
  Result invoke(const PreparedCall& call, std::optional<jref> self, std::span<const Arg> args);

  // Managed methods and method slots (the upcall targets).
  // A managed method's stand-in, written in C++; a module native of the same class and
  // signature wins over it.
  void defineMethod(const std::string& className, const std::string& signature, ManagedBody body);
  // Fills the slot with the number of (class, signature) when the class has or inherits such a
  // method; false, and the slot unchanged, otherwise.
  bool registerMethodSlot(int16_t* slot, const char* className, const char* signature);
  MethodSlot* methodForSlot(int16_t slot);
  // Runs the slot's method on the receiver and arguments the caller pushed, taking them off the
  // stacks and leaving a reference result pushed. Virtually: the most derived method of the
  // receiver's class chain; exactly: the slot class's own. A null slot runs nothing and leaves
  // the pushes; a null receiver, one that is no instance of the slot's class, and an upcall
  // nested deeper than kMaxUpcallDepth run nothing (a reference result is then null).
  void runManaged(MethodSlot* slot, bool dispatchOnReceiver);
  size_t methodSlotRegistrations() const { return slotRegistrations_; }
  static constexpr int kMaxUpcallDepth = 256;
  // Sees every upcall the VM runs (zelmo-panel's --trace).
  std::function<void(const UpcallEvent&)> upcallObserver;

  // A fault found inside a native's upcall (a native run by it that left the stacks unbalanced,
  // nesting too deep) cannot be thrown through the module: it is kept, the upcall returns, and
  // the outermost invoke throws it as std::logic_error once the stacks are restored.
  void reportFault(const std::string& message);

  // The four pointer variables of the VM thread.
  jslot* pfp = nullptr;
  jslot* psp = nullptr;
  jslot* npfp = nullptr;
  jslot* npsp = nullptr;
  jslot* refStackBase() const { return refStack_.get(); }
  jslot* refStackTop() const { return refStack_.get() + stackSlots_; }
  jslot* primStackTop() const { return primStack_.get() + stackSlots_; }

  size_t heapUsed() const { return arena_.used(); }

 private:
  struct ObjectRecord {
    const ClassDef* cls;
    uint32_t bodyBytes;
  };
  [[noreturn]] static void noneRunning();
  static inline Vm* running_ = nullptr;

  jref allocate(const ClassDef& cls, uint32_t bodyBytes);
  const ClassDef& arrayClass(const char* name);
  void validate(const NativeMethod& method, std::optional<jref> self,
                std::span<const Arg> args) const;
  void checkRoom(const NativeMethod& method, size_t args) const;
  [[noreturn]] static void throwStackOverflow(const NativeMethod& method);
  [[noreturn]] static void throwNotPrepared(const NativeMethod& method);
  Result run(const NativeMethod& method, std::optional<jref> self, std::span<const Arg> args);

  Arena arena_;
  size_t stackSlots_;
  std::unique_ptr<jslot[]> refStack_;
  std::unique_ptr<jslot[]> primStack_;
  std::vector<std::unique_ptr<ClassDef>> classes_;
  std::map<std::string, ClassDef*, std::less<>> classByName_;
  std::map<jref, ObjectRecord> objects_;
  std::map<std::string, jref, std::less<>> interned_;
  std::vector<NativeMethod> natives_;
  std::set<std::pair<std::string, std::string>> staticNatives_;
  ResolvedMethod resolve(const ClassDef& cls, const std::string& signature) const;
  ResolvedMethod resolveCached(MethodSlot& slot, const ClassDef& cls);
  std::pair<jref, const ClassDef*> receiverOf(jslot pushed) const;
  // Calls a native on the receiver and arguments pushed since refFrame and primFrame, then tears
  // its frame down to them. Returns the result's slot 0 (0 for none). Both invoke and upcalls
  // to natives run through it.
  jslot runNativeFrame(const NativeMethod& method, jslot* refFrame, jslot* primFrame);
  void throwPendingFault();
  void reportUnbalanced(const NativeMethod& method);

  std::vector<std::unique_ptr<ManagedMethod>> methods_;
  std::vector<std::unique_ptr<MethodSlot>> slots_;
  size_t slotRegistrations_ = 0;
  uint64_t methodsGeneration_ = 0;  // changes whenever a native or stand-in is added
  int invokeDepth_ = 0;
  int upcallDepth_ = 0;
  bool nestingRefused_ = false;  // refuse every upcall until the outermost call returns
  std::string pendingFault_;
};

// The view of a managed method's call: receiver and arguments, copied off the stacks before
// the body runs (the body may invoke natives that reuse those slots).
class Frame {
 public:
  Frame(Vm& vm, jref self) : vm_(vm), self_(self) {}
  Vm& vm() { return vm_; }
  jref self() const { return self_; }
  // Arguments of each kind in declaration order, counted among their own kind.
  int32_t intArg(size_t i) const { return i < primCount ? static_cast<int32_t>(prims[i]) : 0; }
  jref refArg(size_t i) const { return i < refCount ? refs[i] : 0; }
  void setRefResult(jref value) { refResult = value; }

  static constexpr size_t kMaxArgs = 16;
  uint32_t prims[kMaxArgs] = {};
  jref refs[kMaxArgs] = {};
  size_t primCount = 0;
  size_t refCount = 0;
  jref refResult = 0;

 private:
  Vm& vm_;
  jref self_;
};

}  // namespace vm
