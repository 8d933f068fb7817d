// The managed-code bridge inside real native calls: natives defined here use the module's bridge
// and are registered with and invoked by the VM stand-in like the module's own.
#include <gtest/gtest.h>

#include <array>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/ObjectHandle.h"
#include "support/ModuleFixture.h"
#include "vm/Vm.h"

namespace zelmo {
namespace {

constexpr const char* kTestClass = "uxclasses/graphics/CuxArea";

// What a test native saw, for the test body to check after the call.
struct Observed {
  Storage storage = nullptr;
  Storage other = nullptr;
  uint32_t handleValue = 0;
  std::ptrdiff_t pushed = 0;
  jref argumentSlot = 0;
  int32_t ints[4] = {};
  std::u16string text;
} seen;

jslot* top() { return *get_psp(); }

class BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seen = Observed{};
    vm::defineManagedLibrary(vm);
  }
  vm::Result run(NativeFunction native, const char* signature, std::optional<jref> self,
                 std::initializer_list<vm::Arg> args) {
    vm.registerNative(kTestClass, signature, native);
    return vm.invoke(kTestClass, signature, self, args);
  }
  jref area(int32_t x1) {
    const jref a = vm.newObject(kTestClass);
    vm.setInt(a, "x1", x1);
    return a;
  }
  vm::Vm vm;
};

TEST_F(BridgeTest, AssignToAnArgumentPushesALocalAndLeavesTheCallersSlot) {
  const jref first = area(1);
  const jref second = area(2);
  run(
      [] {
        ObjectHandle target = ObjectHandle::argument(1);
        const ObjectHandle source = ObjectHandle::argument(2);
        jslot* const before = top();
        target.assign(source);
        seen.pushed = before - top();
        seen.handleValue = target.value();
        seen.argumentSlot = ManagedFrame().refArg(1);
        seen.storage = target.fields();
      },
      "f(Ljava/lang/Object;Ljava/lang/Object;)V", area(0),
      {vm::Arg::ref(first), vm::Arg::ref(second)});
  EXPECT_EQ(seen.pushed, 1);
  EXPECT_EQ(seen.handleValue, 512u + 3u);  // this and two arguments sit below the frame pointer
  EXPECT_EQ(seen.argumentSlot, first);
  EXPECT_EQ(seen.storage, vm.storage(second));
  // The VM checks after every call that the native popped what it pushed.
}

TEST_F(BridgeTest, DirectHandlesAreNeverPoppedAndNullsAndUnassignedLocalsHaveNoFields) {
  const jref object = area(5);
  run(
      [] {
        jslot* const before = top();
        {
          ObjectHandle held = ObjectHandle::direct(0);
          held.assign(ObjectHandle::argument(1));
          seen.handleValue = held.value();
          seen.storage = held.fields();
          seen.other = ObjectHandle::argument(2).fields();
          if (ObjectHandle::newLocal().fields()) seen.other = seen.storage;
        }
        seen.pushed = before - top();
      },
      "f(Ljava/lang/Object;Ljava/lang/Object;)V", area(0), {vm::Arg::ref(object), vm::Arg::ref(0)});
  EXPECT_EQ(seen.handleValue, object);
  EXPECT_GE(seen.handleValue, ObjectHandle::kDirectBase);
  EXPECT_EQ(seen.storage, vm.storage(object));
  EXPECT_EQ(seen.other, nullptr);
  EXPECT_EQ(seen.pushed, 0);
}

// Bytes and booleans read the low eight bits of their slot.
TEST_F(BridgeTest, ReferencesAndPrimitivesAreNumberedAmongTheirOwnKind) {
  const jref file = area(9);
  run(
      [] {
        const ManagedFrame frame;
        seen.storage = fieldsOf(frame.refArg(1));
        seen.ints[0] = frame.intArg(0);
        seen.ints[1] = frame.intArg(1);
        seen.ints[2] = frame.byteArg(2);
        seen.ints[3] = frame.boolArg(3) ? 1 : 0;
      },
      "drawImage(Luxclasses/graphics/CuxGraphicFile;IIIZ)V", area(0),
      {vm::Arg::ref(file), vm::Arg::i(-3), vm::Arg::i(44), vm::Arg::i(0x1FF), vm::Arg::z(true)});
  EXPECT_EQ(seen.storage, vm.storage(file));
  EXPECT_EQ(seen.ints[0], -3);
  EXPECT_EQ(seen.ints[1], 44);
  EXPECT_EQ(seen.ints[2], -1);
  EXPECT_EQ(seen.ints[3], 1);
}

TEST_F(BridgeTest, StringsAreReadInPlaceFromTheirOffsetAndCutToTheBuffer) {
  const jref s = vm.newString(u"xxPump 1");
  vm.setInt(s, "offset", 2);
  vm.setInt(s, "count", 4);
  run(
      [] {
        const ObjectHandle string = ObjectHandle::argument(1);
        const StringText text = stringText(string.fields());
        std::array<UniChar, 3> buffer;
        copyString(string.fields(), buffer);
        seen.text = std::u16string(text.chars, static_cast<size_t>(text.count)) + u"|" +
                    std::u16string(buffer.data());
        const StringText none = stringText(nullptr);
        seen.ints[0] = none.count;
      },
      "f(Ljava/lang/String;)V", area(0), {vm::Arg::ref(s)});
  EXPECT_EQ(seen.text, u"Pump|Pu");
  EXPECT_EQ(seen.ints[0], 0);
}

class RelocationTest : public test::ModuleTest {};

TEST_F(RelocationTest, NativesFollowObjectsThatMoveBetweenCalls) {
  vm.relocateOnEveryCall = true;
  const jref canvas = newCanvas(6);
  const jref area = vm.newObject("uxclasses/graphics/CuxArea");
  for (int round = 0; round < 3; ++round) {
    vm.setInt(canvas, "layer", 6 + round);
    canvasCall(canvas, "setClip(IIII)V", {test::I(round), test::I(2), test::I(3), test::I(4)});
    ASSERT_TRUE(
        canvasCall(canvas, "getClipBounds(Luxclasses/graphics/CuxArea;)Z", {test::R(area)}).z());
    EXPECT_EQ(vm.getInt(area, "x1"), round);
    EXPECT_EQ(vm.getInt(area, "y2"), 5);
    const jref fresh = canvasCall(canvas, "getClipBounds()Luxclasses/graphics/CuxArea;").ref();
    ASSERT_NE(fresh, 0u);
    EXPECT_EQ(vm.getInt(fresh, "x2"), round + 2);
  }
  EXPECT_EQ(drawn()[0], "osGXsetClipArea(0,2,2,5,6)");
}

}  // namespace
}  // namespace zelmo
