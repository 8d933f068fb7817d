// Method slots and upcalls: the method-slot library's registration and the VM's fastInvoke and
// fastInvokeVirtual, over module natives and the managed library's C++ stand-ins alike.
#include <cstring>
#include <limits>
#include <stdexcept>

#include "vm/HeapWords.h"
#include "vm/MethodSlot.h"
#include "vm/Vm.h"

namespace vm {
namespace {

// A primitive slot as the trace shows it: a byte sign-extended, a boolean or char unsigned.
int32_t shownValue(Kind kind, jslot bits) {
  switch (kind) {
    case Kind::Byte:
      return static_cast<int8_t>(bits & 0xFF);
    case Kind::Bool:
      return static_cast<int32_t>(bits & 0xFF);
    case Kind::Char:
      return static_cast<int32_t>(bits & 0xFFFF);
    default:
      return static_cast<int32_t>(bits);
  }
}

}  // namespace

void Vm::defineMethod(const std::string& className, const std::string& signature,
                      ManagedBody body) {
  methods_.push_back(std::make_unique<ManagedMethod>(ManagedMethod{
      &classNamed(className), signature, parseDescriptor(signature), std::move(body)}));
  ++methodsGeneration_;
}

ResolvedMethod Vm::resolve(const ClassDef& cls, const std::string& signature) const {
  for (const ClassDef* c = &cls; c; c = c->superclass()) {
    // At each class a module native wins over a stand-in; the latest registration of either.
    for (size_t i = natives_.size(); i-- > 0;) {
      const NativeMethod& n = natives_[i];
      if (!n.isStatic && n.signature == signature && n.className == c->name())
        return ResolvedMethod{i, nullptr};
    }
    for (auto m = methods_.rbegin(); m != methods_.rend(); ++m)
      if ((*m)->cls == c && (*m)->signature == signature)
        return ResolvedMethod{ResolvedMethod::kNoNative, m->get()};
  }
  return {};
}

ResolvedMethod Vm::resolveCached(MethodSlot& slot, const ClassDef& cls) {
  if (slot.generation != methodsGeneration_ || slot.known.size() < classes_.size()) {
    if (slot.generation != methodsGeneration_) slot.known.assign(classes_.size(), false);
    slot.known.resize(classes_.size(), false);
    slot.byClass.resize(classes_.size());
    slot.generation = methodsGeneration_;
  }
  const size_t id = cls.id();
  if (!slot.known[id]) {
    slot.byClass[id] = resolve(cls, slot.signature);
    slot.known[id] = true;
  }
  return slot.byClass[id];
}

// Method numbers belong to the process, not to one VM: the module keeps a registered slot for as
// long as it stays loaded, and a process (a test, the fuzzer) may run one VM after another under
// the same module. A number stands for the same (class, signature) in every VM.
namespace {
std::vector<std::pair<std::string, std::string>>& slotNames() {
  static std::vector<std::pair<std::string, std::string>> names;
  return names;
}
}  // namespace

bool Vm::registerMethodSlot(int16_t* slot, const char* className, const char* signature) {
  ++slotRegistrations_;
  if (!slot || !className || !signature) return false;
  const ClassDef* cls = findClass(className);
  if (!cls || !resolve(*cls, signature).found()) return false;
  auto& names = slotNames();
  const std::pair<std::string, std::string> name{className, signature};
  size_t number = 0;
  while (number < names.size() && names[number] != name) ++number;
  if (number > static_cast<size_t>(std::numeric_limits<int16_t>::max())) return false;
  if (number == names.size()) names.push_back(name);
  *slot = static_cast<int16_t>(number);
  return methodForSlot(*slot) != nullptr;
}

MethodSlot* Vm::methodForSlot(int16_t slot) {
  const auto& names = slotNames();
  if (slot < 0 || static_cast<size_t>(slot) >= names.size()) return nullptr;
  const size_t number = static_cast<size_t>(slot);
  if (slots_.size() <= number) slots_.resize(number + 1);
  if (!slots_[number]) {
    const ClassDef* cls = findClass(names[number].first);
    if (!cls) return nullptr;
    const std::string& signature = names[number].second;
    const Descriptor d = parseDescriptor(signature);
    size_t refSlots = 1;
    size_t primSlots = 0;
    for (Kind k : d.parameters) ++(k == Kind::Ref ? refSlots : primSlots);
    slots_[number] =
        std::make_unique<MethodSlot>(MethodSlot{cls, signature, d, refSlots, primSlots, {}, {}, 0});
  }
  return slots_[number].get();
}

// The receiver was pushed as a reference or as its field storage; the word before the storage
// holds the reference. Anything else is no receiver: null, with no class.
std::pair<jref, const ClassDef*> Vm::receiverOf(jslot pushed) const {
  if (pushed == 0) return {0, nullptr};
  auto found = objects_.find(pushed);
  if (found == objects_.end()) {
    std::byte* const body = pointer(pushed);
    if (!arena_.contains(body - 4, 4)) return {0, nullptr};
    found = objects_.find(readWord(body - 4));
    if (found == objects_.end() || storage(found->first) != body) return {0, nullptr};
  }
  return {found->first, found->second.cls};
}

void Vm::runManaged(MethodSlot* slot, bool dispatchOnReceiver) {
  if (!slot) return;  // an unregistered slot runs nothing; the caller's pushes stay
  const size_t refs = slot->refSlots;
  const size_t prims = slot->primSlots;
  if (static_cast<size_t>(refStackTop() - psp) < refs ||
      static_cast<size_t>(primStackTop() - npsp) < prims) {
    reportFault("an upcall of " + slot->signature + " found fewer slots pushed than it takes");
    return;
  }
  jslot* const refFrame = psp + refs;
  jslot* const primFrame = npsp + prims;
  const std::pair<jref, const ClassDef*> receiver = receiverOf(refFrame[-1]);
  const jref self = receiver.first;
  const ClassDef* const receiverClass = receiver.second;
  refFrame[-1] = self;  // natives read their receiver as a reference
  const bool refResult = slot->descriptor.result == Kind::Ref;
  const auto runNothing = [&] {
    psp = refFrame;
    npsp = primFrame;
    if (refResult) *--psp = 0;
  };

  if (!receiverClass || !receiverClass->isSubclassOf(*slot->cls)) return runNothing();
  if (nestingRefused_ || upcallDepth_ >= kMaxUpcallDepth) {
    if (!nestingRefused_)
      reportFault("upcalls nested deeper than " + std::to_string(kMaxUpcallDepth) + " (at " +
                  slot->signature + " on a " + receiverClass->name() +
                  "; does an object hold itself?): refused");
    nestingRefused_ = true;
    return runNothing();
  }
  const ResolvedMethod target =
      resolveCached(*slot, dispatchOnReceiver ? *receiverClass : *slot->cls);
  if (!target.found()) return runNothing();

  if (upcallObserver) {
    int32_t args[Frame::kMaxArgs] = {};
    size_t n = 0;
    for (Kind k : slot->descriptor.parameters)
      if (k != Kind::Ref && n < Frame::kMaxArgs) {
        args[n] = shownValue(k, primFrame[-1 - static_cast<std::ptrdiff_t>(n)]);
        ++n;
      }
    upcallObserver(UpcallEvent{slot->cls->name(), slot->signature, self, dispatchOnReceiver,
                               std::span<const int32_t>(args, n)});
  }
  if (relocateOnEveryCall) relocateAll();

  ++upcallDepth_;
  if (target.native != ResolvedMethod::kNoNative) {
    const NativeMethod& native = natives_[target.native];
    const jslot value = runNativeFrame(native, psp + refs, npsp + prims);
    if (native.descriptor.result == Kind::Ref) *--psp = value;
  } else {
    Frame frame(*this, self);
    for (size_t i = 0; i + 1 < refs && i < Frame::kMaxArgs; ++i)
      frame.refs[i] = refFrame[-2 - static_cast<std::ptrdiff_t>(i)];
    for (size_t i = 0; i < prims && i < Frame::kMaxArgs; ++i)
      frame.prims[i] = primFrame[-1 - static_cast<std::ptrdiff_t>(i)];
    frame.refCount = refs - 1;
    frame.primCount = prims;
    psp = refFrame;
    npsp = primFrame;
    try {
      target.managed->body(frame);
    } catch (const std::exception& e) {
      reportFault(target.managed->cls->name() + "." + slot->signature + " failed: " + e.what());
    }
    if (psp != refFrame || npsp != primFrame) {
      reportFault(target.managed->cls->name() + "." + slot->signature +
                  " left the stacks unbalanced");
      psp = refFrame;
      npsp = primFrame;
    }
    if (refResult) *--psp = frame.refResult;
  }
  --upcallDepth_;
  // With no native to unwind through, report now; otherwise the outermost invoke does.
  if (upcallDepth_ == 0 && invokeDepth_ == 0) throwPendingFault();
}

void Vm::reportFault(const std::string& message) {
  if (pendingFault_.empty()) pendingFault_ = message;
}

void Vm::throwPendingFault() {
  nestingRefused_ = false;
  if (pendingFault_.empty()) return;
  const std::string message = std::move(pendingFault_);
  pendingFault_.clear();
  throw std::logic_error(message);
}

}  // namespace vm
