#include "vm/LanguageMgrStandIn.h"

#include "vm/StandIns.h"
#include "vm/Vm.h"

namespace vm {
namespace {

// Stores the slot at element systemLanguageCount of systemLanguageSlots when that element
// exists, then adds 1 to systemLanguageCount (wrapping at 32 bits).
void addSystemLanguageFromNative(Frame& frame) {
  Vm& vm = frame.vm();
  const jref self = frame.self();
  if (!self || !vm.classOf(self).isSubclassOf(vm.classNamed(kLanguageMgrClass))) return;
  const int32_t count = vm.getInt(self, "systemLanguageCount");
  const jref slots = vm.getRef(self, "systemLanguageSlots");
  if (slots && count >= 0 && count < vm.arrayLength(slots))
    vm.intElements(slots)[count] = frame.intArg(0);
  vm.setInt(self, "systemLanguageCount", static_cast<int32_t>(static_cast<uint32_t>(count) + 1));
}

constexpr StandIn kStandIns[] = {
    {kLanguageMgrClass, "addSystemLanguageFromNative(I)V", addSystemLanguageFromNative},
};

}  // namespace

void defineLanguageMgr(Vm& vm) {
  vm.defineClass(kLanguageMgrClass, "java/lang/Object",
                 {{"systemLanguageSlots", "[I"}, {"systemLanguageCount", "I"}});
  defineStandIns(vm, kStandIns);
}

}  // namespace vm
