// The virtual machine's native interface and the method-slot library, as C functions over the
// running Vm. They refuse null and unknown arguments quietly, as a VM would not crash on them.
#include <cstring>

#include "platform/VmInterface.h"
#include "vm/HeapWords.h"
#include "vm/Vm.h"

using vm::Vm;

namespace {

// A String body: value (char[] reference), offset, count.
struct StringView {
  const UniChar* chars = nullptr;
  int32_t count = 0;
};

StringView viewString(void* body) {
  if (!body) return {};
  const auto* b = static_cast<const std::byte*>(body);
  const jref value = vm::readWord(b);
  const auto offset = static_cast<int32_t>(vm::readWord(b + 4));
  const auto count = static_cast<int32_t>(vm::readWord(b + 8));
  if (!value || offset < 0 || count < 0) return {};
  const std::byte* chars = Vm::current().storage(value);
  const auto length = static_cast<int32_t>(vm::readWord(chars));
  if (offset > length || count > length - offset) return {};
  return {reinterpret_cast<const UniChar*>(chars + 4) + offset, count};
}

// Allocation is where a collector would run: in the moving test mode, everything moves here.
jref collectAfter(jref allocated) {
  Vm& vm = Vm::current();
  if (vm.relocateOnEveryCall) vm.relocateAll();
  return allocated;
}

}  // namespace

extern "C" {

int32_t registerNativeMethod(const char* className, const char* signature,
                             NativeFunction function) {
  return Vm::current().registerNative(className, signature, function);
}

jslot** get_pfp(void) { return &Vm::current().pfp; }
jslot** get_psp(void) { return &Vm::current().psp; }
jslot** get_npfp(void) { return &Vm::current().npfp; }
jslot** get_npsp(void) { return &Vm::current().npsp; }

jref tendPtr(void* fieldStorage) {
  if (!fieldStorage) return 0;
  return vm::readWord(static_cast<const std::byte*>(fieldStorage) - 4);
}

const UniChar* peekJstring(void* stringBody) {
  static const UniChar empty[1] = {0};
  const StringView s = viewString(stringBody);
  return s.chars ? s.chars : empty;
}

int32_t numUniChars(void* stringBody) { return viewString(stringBody).count; }

void j2wcString(void* stringBody, UniChar* destination, int32_t capacityBytes) {
  const int32_t capacity = capacityBytes / static_cast<int32_t>(sizeof(UniChar));
  if (!destination || capacity <= 0) return;
  const StringView s = viewString(stringBody);
  const int32_t n = s.count < capacity - 1 ? s.count : capacity - 1;
  if (n > 0) std::memcpy(destination, s.chars, static_cast<size_t>(n) * sizeof(UniChar));
  destination[n] = 0;
}

jref uni2Jstring(const UniChar* chars, int32_t count) {
  if (!chars || count < 0) return collectAfter(Vm::current().newString(u""));
  return collectAfter(
      Vm::current().newString(std::u16string_view(chars, static_cast<size_t>(count))));
}

jref c2jString(const char* text) {
  // Class names are literals in the module; interning them keeps repeated lookups from
  // filling the heap, as a real VM's collector would.
  return Vm::current().internString(text ? text : "");
}

VmClass* findClass(jref slashName) {
  Vm& vm = Vm::current();
  if (!slashName || !vm.isObject(slashName)) return nullptr;
  const std::u16string name = vm.stringValue(slashName);
  const vm::ClassDef* cls = vm.findClass(std::string(name.begin(), name.end()));
  return reinterpret_cast<VmClass*>(const_cast<vm::ClassDef*>(cls));
}

void* staticDataFromClass(VmClass* cls) {
  return cls ? reinterpret_cast<vm::ClassDef*>(cls)->staticStorage : nullptr;
}

jref newObject(VmClass* cls) {
  return cls ? collectAfter(Vm::current().newObject(*reinterpret_cast<vm::ClassDef*>(cls))) : 0;
}

void fastInvoke(MethodPtr method) {
  Vm::current().runManaged(static_cast<vm::MethodSlot*>(method), false);
}

void fastInvokeVirtual(MethodPtr method) {
  Vm::current().runManaged(static_cast<vm::MethodSlot*>(method), true);
}

bool RegisterMethod(int16_t* slot, const char* className, const char* signature) {
  return Vm::current().registerMethodSlot(slot, className, signature);
}

MethodPtr GetMethodPtr(int16_t slot) { return Vm::current().methodForSlot(slot); }

}  // extern "C"
