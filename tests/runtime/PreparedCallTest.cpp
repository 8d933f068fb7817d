// Prepared native calls: the shape is checked once, each call still has its frame set up, its
// result read and its stacks checked, and a call of another shape is refused.
#include <gtest/gtest.h>

#include "platform/VmInterface.h"
#include "vm/Vm.h"

namespace vm {
namespace {

// sum(ILjava/lang/String;I)I: the two ints, whatever the reference.
void sumsInts() {
  jslot* prims = *get_npfp();
  prims[-1] = prims[-1] + prims[-2];
}
void leavesASlot() { --*get_psp(); }

TEST(PreparedCall, RunsLikeInvokeWithoutRecheckingKinds) {
  Vm vm;
  vm.registerNative("java/lang/Object", "sum(ILjava/lang/String;I)I", sumsInts);
  const NativeMethod& sum = *vm.findNative("java/lang/Object", "sum(ILjava/lang/String;I)I");
  const jref self = vm.newString(u"s");
  const Arg args[] = {Arg::i(2), Arg::ref(0), Arg::i(40)};
  const PreparedCall call = vm.prepare(sum, self, args);
  EXPECT_EQ(vm.invoke(call, self, args).i(), 42);
  const Arg other[] = {Arg::i(-1), Arg::ref(self), Arg::i(1)};
  EXPECT_EQ(vm.invoke(call, self, other).i(), 0);
  EXPECT_EQ(vm.psp, vm.refStackTop());
  EXPECT_EQ(vm.npsp, vm.primStackTop());
}

TEST(PreparedCall, RefusesWhatInvokeRefuses) {
  Vm vm;
  vm.registerNative("java/lang/Object", "sum(ILjava/lang/String;I)I", sumsInts);
  vm.registerNative("java/lang/Object", "bad()V", leavesASlot);
  const NativeMethod& sum = *vm.findNative("java/lang/Object", "sum(ILjava/lang/String;I)I");
  const Arg wrongKind[] = {Arg::i(2), Arg::i(3), Arg::i(40)};
  EXPECT_THROW(vm.prepare(sum, std::nullopt, wrongKind), std::invalid_argument);

  const Arg args[] = {Arg::i(2), Arg::ref(0), Arg::i(40)};
  const PreparedCall call = vm.prepare(sum, std::nullopt, args);
  EXPECT_THROW(vm.invoke(call, std::nullopt, std::span(args, 2)), std::invalid_argument);
  EXPECT_THROW(vm.invoke(call, jref{0}, args), std::invalid_argument);  // receiver not prepared

  const PreparedCall bad =
      vm.prepare(*vm.findNative("java/lang/Object", "bad()V"), std::nullopt, {});
  EXPECT_THROW(vm.invoke(bad, std::nullopt, {}), std::logic_error);
  EXPECT_EQ(vm.psp, vm.refStackTop());  // restored even so
}

}  // namespace
}  // namespace vm
