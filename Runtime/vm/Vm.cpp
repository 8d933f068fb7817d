#include "vm/Vm.h"

#include <bit>
#include <cstring>
#include <stdexcept>

#include "core/Utf.h"
#include "vm/HeapWords.h"
#include "vm/MethodSlot.h"

namespace vm {

namespace {

constexpr uint32_t kHeaderBytes = 12;  // forwarding word, class id, back-pointer
constexpr std::byte kPoison{0xDB};

void writeWord(std::byte* p, uint32_t v) { std::memcpy(p, &v, 4); }

// memcpy that accepts the null data pointer of an empty span or view.
void copyBytes(std::byte* to, const void* from, size_t bytes) {
  if (bytes) std::memcpy(to, from, bytes);
}

}  // namespace

Arg Arg::f(float v) { return {Kind::Float, std::bit_cast<uint32_t>(v)}; }
float Result::f() const { return std::bit_cast<float>(bits); }

Vm::Vm(size_t heapBytes, size_t stackSlots)
    : arena_(heapBytes),
      stackSlots_(stackSlots),
      refStack_(new jslot[stackSlots]()),
      primStack_(new jslot[stackSlots]()) {
  if (running_) throw std::logic_error("only one VM at a time");
  pfp = psp = refStackTop();
  npfp = npsp = primStackTop();
  defineClass("java/lang/Object", "", {});
  defineClass("java/lang/String", "java/lang/Object",
              {{"value", "[C"}, {"offset", "I"}, {"count", "I"}});
  for (const char* array : {"[I", "[C", "[Ljava/lang/String;", "[Ljava/lang/Object;"})
    defineClass(array, "java/lang/Object", {});
  running_ = this;
}

Vm::~Vm() {
  if (running_ == this) running_ = nullptr;
}

void Vm::noneRunning() { throw std::logic_error("no virtual machine is running"); }

ClassDef& Vm::defineClass(const std::string& name, const std::string& superclass,
                          const std::vector<FieldSpec>& fields,
                          const std::vector<FieldSpec>& statics) {
  if (classByName_.count(name)) throw std::invalid_argument("class defined twice: " + name);
  const ClassDef* super = superclass.empty() ? nullptr : &classNamed(superclass);
  classes_.push_back(std::make_unique<ClassDef>(static_cast<uint32_t>(classes_.size()), name, super,
                                                fields, statics));
  ClassDef& cls = *classes_.back();
  cls.staticStorage = arena_.allocate(cls.staticsSize() + 4);
  classByName_.emplace(name, &cls);
  return cls;
}

const ClassDef* Vm::findClass(std::string_view name) const {
  const auto found = classByName_.find(name);
  return found == classByName_.end() ? nullptr : found->second;
}

std::vector<std::string> Vm::classNames() const {
  std::vector<std::string> names;
  for (const auto& [name, cls] : classByName_) names.push_back(name);
  return names;
}

const ClassDef& Vm::classNamed(std::string_view name) const {
  const ClassDef* cls = findClass(name);
  if (!cls) throw std::invalid_argument("unknown class " + std::string(name));
  return *cls;
}

const ClassDef& Vm::classOf(jref object) const {
  const auto found = objects_.find(object);
  if (found == objects_.end()) throw std::invalid_argument("not an object reference");
  return *found->second.cls;
}

std::byte* Vm::statics(std::string_view className) const {
  return classNamed(className).staticStorage;
}

jref Vm::allocate(const ClassDef& cls, uint32_t bodyBytes) {
  std::byte* block = arena_.allocate(kHeaderBytes + bodyBytes);
  std::byte* body = block + kHeaderBytes;
  const jref r = address32(body);
  writeWord(block, r);  // storage starts at the body itself until the object moves
  writeWord(block + 4, cls.id());
  writeWord(block + 8, r);
  objects_.emplace(r, ObjectRecord{&cls, bodyBytes});
  return r;
}

jref Vm::newObject(const ClassDef& cls) { return allocate(cls, cls.instanceSize()); }

const ClassDef& Vm::arrayClass(const char* name) { return classNamed(name); }

jref Vm::newIntArray(int32_t length) {
  if (length < 0) throw std::invalid_argument("negative array length");
  const jref a = allocate(arrayClass("[I"), 4 + 4 * static_cast<uint32_t>(length));
  writeWord(storage(a), static_cast<uint32_t>(length));
  return a;
}

jref Vm::newIntArray(std::span<const int32_t> values) {
  const jref a = newIntArray(static_cast<int32_t>(values.size()));
  copyBytes(storage(a) + 4, values.data(), values.size() * 4);
  return a;
}

jref Vm::newRefArray(std::span<const jref> values, std::string_view arrayClassName) {
  const jref a = allocate(classNamed(arrayClassName), 4 + 4 * values.size());
  writeWord(storage(a), static_cast<uint32_t>(values.size()));
  copyBytes(storage(a) + 4, values.data(), values.size() * 4);
  return a;
}

jref Vm::newCharArray(std::u16string_view chars) {
  const jref a = allocate(arrayClass("[C"), 4 + 2 * static_cast<uint32_t>(chars.size()));
  writeWord(storage(a), static_cast<uint32_t>(chars.size()));
  copyBytes(storage(a) + 4, chars.data(), chars.size() * 2);
  return a;
}

jref Vm::newString(std::u16string_view text) {
  const jref chars = newCharArray(text);
  const jref s = newObject(classNamed("java/lang/String"));
  setRef(s, "value", chars);
  setInt(s, "offset", 0);
  setInt(s, "count", static_cast<int32_t>(text.size()));
  return s;
}

jref Vm::newStringUtf8(std::string_view text) { return newString(core::utf16FromUtf8(text)); }

jref Vm::internString(std::string_view text) {
  const auto found = interned_.find(text);
  if (found != interned_.end()) return found->second;
  const jref s = newStringUtf8(text);
  interned_.emplace(std::string(text), s);
  return s;
}

std::byte* Vm::storage(jref object) const {
  if (object == 0) return nullptr;
  return pointer(readWord(pointer(object) - kHeaderBytes));
}

bool Vm::isObject(jref object) const { return objects_.count(object) != 0; }

FieldInfo Vm::fieldOf(jref object, const std::string& name) const {
  const ClassDef& cls = classOf(object);
  const auto f = cls.field(name);
  if (!f) throw std::invalid_argument("class " + cls.name() + " has no field " + name);
  return *f;
}

void Vm::setInt(jref object, const std::string& name, int32_t value) {
  std::memcpy(storage(object) + fieldOf(object, name).offset, &value, 4);
}

int32_t Vm::getInt(jref object, const std::string& name) const {
  int32_t v;
  std::memcpy(&v, storage(object) + fieldOf(object, name).offset, 4);
  return v;
}

void Vm::setFloat(jref object, const std::string& name, float value) {
  std::memcpy(storage(object) + fieldOf(object, name).offset, &value, 4);
}

void Vm::setByte(jref object, const std::string& name, int8_t value) {
  std::memcpy(storage(object) + fieldOf(object, name).offset, &value, 1);
}

int8_t Vm::getByte(jref object, const std::string& name) const {
  int8_t v;
  std::memcpy(&v, storage(object) + fieldOf(object, name).offset, 1);
  return v;
}

void Vm::setChar(jref object, const std::string& name, char16_t value) {
  std::memcpy(storage(object) + fieldOf(object, name).offset, &value, 2);
}

void Vm::setRef(jref object, const std::string& name, jref value) {
  writeWord(storage(object) + fieldOf(object, name).offset, value);
}

jref Vm::getRef(jref object, const std::string& name) const {
  return readWord(storage(object) + fieldOf(object, name).offset);
}

void Vm::setStaticChar(std::string_view className, const std::string& name, char16_t value) {
  const ClassDef& cls = classNamed(className);
  const auto f = cls.staticField(name);
  if (!f) throw std::invalid_argument("class " + cls.name() + " has no static field " + name);
  std::memcpy(cls.staticStorage + f->offset, &value, 2);
}

int32_t Vm::arrayLength(jref array) const { return static_cast<int32_t>(readWord(storage(array))); }

int32_t* Vm::intElements(jref array) const {
  return reinterpret_cast<int32_t*>(storage(array) + 4);
}

jref* Vm::refElements(jref array) const { return reinterpret_cast<jref*>(storage(array) + 4); }

std::vector<int32_t> Vm::intArray(jref array) const {
  const int32_t* e = intElements(array);
  return std::vector<int32_t>(e, e + arrayLength(array));
}

std::u16string Vm::stringValue(jref string) const {
  const jref chars = getRef(string, "value");
  const int32_t offset = getInt(string, "offset");
  const int32_t count = getInt(string, "count");
  const auto* data = reinterpret_cast<const char16_t*>(storage(chars) + 4);
  return std::u16string(data + offset, static_cast<size_t>(count));
}

void Vm::relocate(jref object) {
  const auto found = objects_.find(object);
  if (found == objects_.end()) throw std::invalid_argument("relocating a non-object");
  const uint32_t bytes = found->second.bodyBytes;
  std::byte* old = storage(object);
  std::byte* block = arena_.allocate(4 + bytes);
  writeWord(block, object);  // the word before the body holds the reference
  std::memcpy(block + 4, old, bytes);
  std::memset(old, static_cast<int>(kPoison), bytes);  // stale field addresses read garbage
  writeWord(pointer(object) - kHeaderBytes, address32(block + 4));
}

void Vm::relocateAll() {
  for (const auto& entry : objects_) relocate(entry.first);
}

int32_t Vm::registerNative(const char* className, const char* signature, NativeFunction function) {
  if (!className || !signature || !function) return 0;
  const bool isStatic = staticNatives_.count({className, signature}) != 0;
  natives_.push_back(
      NativeMethod{className, signature, function, parseDescriptor(signature), isStatic});
  ++methodsGeneration_;
  return 1;
}

void Vm::declareStaticNative(const std::string& className, const std::string& signature) {
  staticNatives_.emplace(className, signature);
}

const NativeMethod* Vm::findNative(std::string_view className, std::string_view signature) const {
  for (auto it = natives_.rbegin(); it != natives_.rend(); ++it)
    if (it->className == className && it->signature == signature) return &*it;
  return nullptr;
}

void Vm::validate(const NativeMethod& method, std::optional<jref> self,
                  std::span<const Arg> args) const {
  // Only the failure paths build text: a matching call costs no allocation.
  const auto where = [&] { return method.className + "." + method.signature; };
  const auto& params = method.descriptor.parameters;
  if (args.size() != params.size())
    throw std::invalid_argument(where() + " takes " + std::to_string(params.size()) +
                                " arguments, got " + std::to_string(args.size()));
  for (size_t i = 0; i < args.size(); ++i) {
    const bool sameSlot = isPrimitive(args[i].kind) == isPrimitive(params[i]);
    const bool intLike = params[i] == Kind::Int || params[i] == Kind::Char;
    if (args[i].kind != params[i] && !(sameSlot && intLike && args[i].kind == Kind::Int))
      throw std::invalid_argument(where() + ": argument " + std::to_string(i + 1) + " must be " +
                                  kindName(params[i]) + ", got " + kindName(args[i].kind));
  }
  checkRoom(method, args.size());
  if (method.isStatic && self)
    throw std::invalid_argument(where() + " is a class method: it takes no receiver");
}

void Vm::checkRoom(const NativeMethod& method, size_t args) const {
  const size_t needed = args + 2;
  if (static_cast<size_t>(psp - refStackBase()) < needed ||
      static_cast<size_t>(npsp - primStack_.get()) < needed) [[unlikely]]
    throwStackOverflow(method);
}

// Out of line, so that building the message costs the common path nothing.
[[noreturn, gnu::noinline, gnu::cold]] void Vm::throwStackOverflow(const NativeMethod& method) {
  throw std::length_error(method.className + "." + method.signature + ": stack overflow");
}
[[noreturn, gnu::noinline, gnu::cold]] void Vm::throwNotPrepared(const NativeMethod& method) {
  throw std::invalid_argument(method.className + "." + method.signature +
                              ": call does not have its prepared shape");
}

PreparedCall Vm::prepare(const NativeMethod& method, std::optional<jref> self,
                         std::span<const Arg> args) const {
  validate(method, self, args);
  return {&method, self.has_value()};
}

Result Vm::invoke(const PreparedCall& call, std::optional<jref> self, std::span<const Arg> args) {
  const NativeMethod& method = *call.method;
  if (args.size() != method.descriptor.parameters.size() || self.has_value() != call.withReceiver)
      [[unlikely]]
    throwNotPrepared(method);
  checkRoom(method, args.size());
  return run(method, self, args);
}

Result Vm::invoke(const NativeMethod& method, std::optional<jref> self, std::span<const Arg> args) {
  validate(method, self, args);
  return run(method, self, args);
}

Result Vm::run(const NativeMethod& method, std::optional<jref> self, std::span<const Arg> args) {
  const std::vector<Kind>& params = method.descriptor.parameters;
  jslot* const refFrame = psp;
  jslot* const primFrame = npsp;
  if (self || !method.isStatic) *--psp = self.value_or(0);
  // The slot follows the descriptor, which validation matched with each argument's kind.
  for (size_t i = 0; i < args.size(); ++i) {
    if (params[i] == Kind::Ref)
      *--psp = args[i].bits;
    else
      *--npsp = args[i].bits;
  }
  Result r;
  r.bits = runNativeFrame(method, refFrame, primFrame);
  if (invokeDepth_ == 0 && (nestingRefused_ || !pendingFault_.empty())) [[unlikely]]
    throwPendingFault();
  return r;
}

jslot Vm::runNativeFrame(const NativeMethod& method, jslot* refFrame, jslot* primFrame) {
  // The result goes to slot 0 of its kind, which exists even without arguments of that kind.
  const Kind result = method.descriptor.result;
  if (isPrimitive(result) && npsp == primFrame) *--npsp = 0;
  if (result == Kind::Ref && psp == refFrame) *--psp = 0;
  jslot* const savedPfp = pfp;
  jslot* const savedNpfp = npfp;
  jslot* const refTop = psp;
  jslot* const primTop = npsp;
  pfp = refFrame;
  npfp = primFrame;

  ++invokeDepth_;
  method.function();
  --invokeDepth_;

  const bool balanced = psp == refTop && npsp == primTop;
  jslot value = 0;
  if (isPrimitive(result)) value = primFrame[-1];
  if (result == Kind::Ref) value = refFrame[-1];
  pfp = savedPfp;
  npfp = savedNpfp;
  psp = refFrame;
  npsp = primFrame;
  if (!balanced) [[unlikely]]
    reportUnbalanced(method);
  if (relocateOnEveryCall) [[unlikely]]
    relocateAll();
  return value;
}

// Out of line, so that building the message costs the common path nothing.
[[gnu::noinline, gnu::cold]] void Vm::reportUnbalanced(const NativeMethod& method) {
  reportFault(method.className + "." + method.signature + " left the stacks unbalanced");
}

Result Vm::invoke(std::string_view className, std::string_view signature, std::optional<jref> self,
                  std::initializer_list<Arg> args) {
  const NativeMethod* method = findNative(className, signature);
  if (!method)
    throw std::invalid_argument("no native " + std::string(className) + "." +
                                std::string(signature));
  return invoke(*method, self, std::span<const Arg>(args.begin(), args.size()));
}

}  // namespace vm
