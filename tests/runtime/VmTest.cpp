// The VM stand-in: 32-bit references, the packing rule, moving objects, invocation checks.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/VmInterface.h"
#include "vm/Vm.h"

namespace vm {
namespace {

TEST(Vm, ReferencesAreLowAddressesReachedThroughTheForwardingWord) {
  Vm vm;
  const jref s = vm.newString(u"abc");
  EXPECT_GE(s, 768u);  // above the handle ranges
  EXPECT_EQ(vm.stringValue(s), u"abc");
  uint32_t forwarding;
  std::memcpy(&forwarding, pointer(s) - 12, 4);
  EXPECT_EQ(pointer(forwarding), vm.storage(s));
}

TEST(Vm, FieldsFollowThePackingRule) {
  Vm vm;
  vm.defineClass("Base", "java/lang/Object",
                 {{"a", "I"}, {"b", "B"}, {"c", "Z"}, {"d", "C"}, {"e", "I"}, {"f", "B"}});
  vm.defineClass("Derived", "Base", {{"g", "B"}, {"h", "I"}});
  // The subclass starts on the next 32-bit boundary.
  const struct {
    const char* className;
    const char* field;
    uint32_t offset;
  } fields[] = {{"Base", "b", 4},  {"Base", "c", 5},     {"Base", "d", 6},     {"Base", "e", 8},
                {"Base", "f", 12}, {"Derived", "g", 16}, {"Derived", "h", 20}, {"Derived", "a", 0}};
  for (const auto& f : fields)
    EXPECT_EQ(vm.classNamed(f.className).field(f.field)->offset, f.offset) << f.field;
}

TEST(Vm, RelocationMovesStorageAndPoisonsTheOldBlock) {
  Vm vm;
  vm.defineClass("Box", "java/lang/Object", {{"v", "I"}});
  const jref box = vm.newObject("Box");
  vm.setInt(box, "v", 42);
  std::byte* old = vm.storage(box);
  vm.relocate(box);
  EXPECT_NE(vm.storage(box), old);
  EXPECT_EQ(vm.getInt(box, "v"), 42);
  int32_t stale;
  std::memcpy(&stale, old, 4);
  EXPECT_NE(stale, 42);
  uint32_t back;
  std::memcpy(&back, vm.storage(box) - 4, 4);
  EXPECT_EQ(back, box);  // tendPtr(storage) is one load
}

void leavesASlot() { --*get_psp(); }
void writesSeven() { (*get_npfp())[-1] = 7; }

TEST(Vm, InvokeChecksArgumentsAndStackBalance) {
  Vm vm;
  vm.registerNative("java/lang/Object", "bad()V", leavesASlot);
  vm.registerNative("java/lang/Object", "seven()I", writesSeven);
  EXPECT_THROW(vm.invoke("java/lang/Object", "bad()V", std::nullopt), std::logic_error);
  EXPECT_EQ(vm.psp, vm.refStackTop());  // restored even so
  EXPECT_THROW(vm.invoke("java/lang/Object", "seven()I", std::nullopt, {Arg::i(1)}),
               std::invalid_argument);
  EXPECT_THROW(vm.invoke("java/lang/Object", "nothing()V", std::nullopt), std::invalid_argument);
  EXPECT_EQ(vm.invoke("java/lang/Object", "seven()I", std::nullopt).i(), 7);
}

jref seenThis = 1;
void recordsThis() { seenThis = (*get_pfp())[-1]; }

TEST(Vm, ClassMethodsHaveNoReceiverAndInstanceMethodsAlwaysOne) {
  Vm vm;
  vm.declareStaticNative("java/lang/Object", "make(Ljava/lang/String;)V");
  vm.registerNative("java/lang/Object", "make(Ljava/lang/String;)V", recordsThis);
  vm.registerNative("java/lang/Object", "draw(Ljava/lang/String;)V", recordsThis);
  const jref text = vm.newString(u"t");
  vm.invoke("java/lang/Object", "make(Ljava/lang/String;)V", std::nullopt, {Arg::ref(text)});
  EXPECT_EQ(seenThis, text);  // the first reference argument sits in slot 0
  EXPECT_THROW(vm.invoke("java/lang/Object", "make(Ljava/lang/String;)V", text, {Arg::ref(text)}),
               std::invalid_argument);
  // Called through its class, an instance native sees a null `this`, not its first argument.
  vm.invoke("java/lang/Object", "draw(Ljava/lang/String;)V", std::nullopt, {Arg::ref(text)});
  EXPECT_EQ(seenThis, 0u);
}

TEST(Descriptors, ParseAndRejectMalformedSignatures) {
  const Descriptor d = parseDescriptor("drawString(Ljava/lang/String;IIIIZ[I)V");
  EXPECT_EQ(d.name, "drawString");
  ASSERT_EQ(d.parameters.size(), 7u);
  EXPECT_EQ(d.parameters[0], Kind::Ref);
  EXPECT_EQ(d.parameters[5], Kind::Bool);
  EXPECT_EQ(d.parameters[6], Kind::Ref);
  EXPECT_EQ(d.result, Kind::Void);
  for (const char* bad :
       {"draw", "draw(I", "(I)V", "draw(Q)V", "draw(Ljava/lang/String)V", "draw(I)", "draw(I)VV"})
    EXPECT_THROW(parseDescriptor(bad), std::invalid_argument) << bad;
}

}  // namespace
}  // namespace vm
