// The language manager's natives over a real configuration file.
#include <climits>

#include "core/SystemLanguages.h"

#include "support/ConfigFiles.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kMgr = "uxclasses/baseclasses/CuxLanguageMgr";

class LanguageMgrTest : public ModuleTest {
 protected:
  vm::Result mgrCall(const char* signature, std::initializer_list<vm::Arg> args = {}) {
    return call(kMgr, signature, mgr, args);
  }
  bool setNum(int32_t index, int32_t value) {
    return mgrCall("setUserApplicationLanguageNum(II)Z", {I(index), I(value)}).z();
  }
  int32_t getNum(int32_t index) {
    return mgrCall("getUserApplicationLanguageNum(I)I", {I(index)}).i();
  }
  bool setName(int32_t index, jref name) {
    return mgrCall("setUserApplicationLanguageName(ILjava/lang/String;)Z", {I(index), R(name)}).z();
  }
  bool setName(int32_t index, std::u16string_view name) {
    return setName(index, vm.newString(name));
  }
  std::u16string getName(int32_t index) {
    const jref name =
        mgrCall("getUserApplicationLanguageName(I)Ljava/lang/String;", {I(index)}).ref();
    EXPECT_NE(name, 0u);
    return vm.stringValue(name);
  }
  int32_t systemLanguageNum(int32_t index) {
    return mgrCall("getUserApplicationLanguageSystemLanguageNum(I)I", {I(index)}).i();
  }

  ConfigFileScope store;
  jref mgr = vm.newObject(kMgr);
};

TEST_F(LanguageMgrTest, IndexedKeysEndInTheIndex) {
  EXPECT_TRUE(setNum(12, 7));
  EXPECT_TRUE(setName(3, u"Deutsch"));
  EXPECT_TRUE(mgrCall("setUserApplicationLanguageElements(I)Z", {I(4)}).z());
  EXPECT_EQ(store.text(),
            "[Language]\nUserApplicationLanguageNum12 = 7\nUserApplicationLanguageName3 = "
            "Deutsch\nUserApplicationLanguageElements = 4\n");
  EXPECT_EQ(getNum(12), 7);
  EXPECT_EQ(getName(3), u"Deutsch");
  EXPECT_EQ(mgrCall("getUserApplicationLanguageElements()I").i(), 4);
}

TEST_F(LanguageMgrTest, KeysWrittenByOthersAreRead) {
  store.write(
      "[Language]\nuserapplicationlanguagesystemlang999999 = 6\nSystemLanguageElements: 3\n"
      "UserApplicationLanguageSystemLang1000000 = 9\nUserApplicationLanguageNum2147483647 = 5\n");
  EXPECT_EQ(systemLanguageNum(999999), 6);   // the longest key: 39 units
  EXPECT_EQ(systemLanguageNum(1000000), 0);  // a key past 39 units is never looked up
  EXPECT_EQ(getNum(INT_MAX), 5);
  EXPECT_EQ(mgrCall("getNumberOfSystemLanguages()I").i(), 3);
}

TEST_F(LanguageMgrTest, AbsentOrMalformedKeysReadAsZeroAndEmpty) {
  store.write(
      "[Language]\nUserApplicationLanguageNum1 = one\nUserApplicationLanguageSystemLang1 = "
      "99999999999\n");
  EXPECT_EQ(getNum(1), 0);
  EXPECT_EQ(getNum(2), 0);
  EXPECT_EQ(systemLanguageNum(1), 0);
  EXPECT_EQ(getName(1), u"");
  EXPECT_EQ(mgrCall("getUserApplicationLanguageElements()I").i(), 0);
  EXPECT_EQ(mgrCall("getNumberOfSystemLanguages()I").i(), 0);
}

TEST_F(LanguageMgrTest, NegativeIndicesAreRefusedWithoutTouchingTheFile) {
  for (const int32_t index : {-1, INT_MIN}) {
    EXPECT_FALSE(setNum(index, 1));
    EXPECT_FALSE(setName(index, u"x"));
    EXPECT_EQ(getNum(index), 0);
    EXPECT_EQ(systemLanguageNum(index), 0);
    EXPECT_EQ(getName(index), u"");
  }
  EXPECT_FALSE(fs::exists(store.path));
}

TEST_F(LanguageMgrTest, NamesAreCutToThirtyNineUnitsAndNeverSplitAPair) {
  vm.relocateOnEveryCall = true;
  const std::u16string hundred(100, u'n');
  const std::u16string pairAt39 = std::u16string(38, u'p') + u"\U0001F600tail";
  const struct {
    std::u16string name;
    std::u16string stored;
  } cases[] = {{hundred, hundred.substr(0, 39)},
               {pairAt39, pairAt39.substr(0, 38)},
               {std::u16string(37, u'q') + u"\U0001F600", std::u16string(37, u'q') + u"\U0001F600"},
               {u"Fran\u00e7ais \u65e5\u672c\u8a9e", u"Fran\u00e7ais \u65e5\u672c\u8a9e"},
               {u"  Deutsch ; Schweiz  ", u"Deutsch ; Schweiz"}};  // the file drops outer blanks
  for (const auto& c : cases) {
    EXPECT_TRUE(setName(1, c.name));
    EXPECT_EQ(getName(1), c.stored);
  }
}

TEST_F(LanguageMgrTest, ANullNameIsStoredEmptyAndALineBreakIsRefused) {
  EXPECT_TRUE(setName(1, u"kept"));
  for (const char16_t* name :
       {u"two\nlines", u"cr\rhere", u"a name whose line feed is past the cut\n"})
    EXPECT_FALSE(setName(1, name));
  EXPECT_EQ(getName(1), u"kept");
  EXPECT_TRUE(setName(1, jref{0}));
  EXPECT_EQ(store.text(), "[Language]\nUserApplicationLanguageName1 = \n");
  EXPECT_EQ(getName(1), u"");
}

TEST_F(LanguageMgrTest, AnUnreadableStoreFailsEverything) {
  fs::create_directory(store.path);
  EXPECT_FALSE(setNum(1, 1));
  EXPECT_FALSE(setName(1, u"x"));
  EXPECT_FALSE(mgrCall("setUserApplicationLanguageElements(I)Z", {I(1)}).z());
  EXPECT_EQ(getNum(1), 0);
  EXPECT_EQ(getName(1), u"");
}

// System languages in slots 0, 2 and 5 reach managed code as 0, 2 and 5, in that order; the
// managed method's writes land in the object even when everything moves at each upcall.
class SystemLanguagesTest : public LanguageMgrTest {
 protected:
  SystemLanguagesTest() { core::setSystemLanguageCodes({u"de", u"", u"en", u"", u"", u"fr"}); }
  ~SystemLanguagesTest() override { core::setSystemLanguageCodes({}); }
  void init(std::optional<jref> self) { call(kMgr, "initSystemLanguagesFromConfig()V", self); }
  std::vector<int32_t> slots() const { return vm.intArray(vm.getRef(mgr, "systemLanguageSlots")); }
  int32_t count() const { return vm.getInt(mgr, "systemLanguageCount"); }
};

TEST_F(SystemLanguagesTest, EachLanguageInUseIsHandedOverBySlotInOrder) {
  vm.setRef(mgr, "systemLanguageSlots", vm.newIntArray(std::vector<int32_t>(9, -1)));
  vm.relocateOnEveryCall = true;
  init(mgr);
  EXPECT_EQ(slots(), (std::vector<int32_t>{0, 2, 5, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(count(), 3);
  init(mgr);
  EXPECT_EQ(count(), 6);
  EXPECT_EQ(vm.methodSlotRegistrations(), 1u);
}

TEST_F(SystemLanguagesTest, SlotsPastTheArrayAreCountedButNotStored) {
  vm.setRef(mgr, "systemLanguageSlots", vm.newIntArray(std::vector<int32_t>{-1, -1}));
  init(mgr);
  EXPECT_EQ(slots(), (std::vector<int32_t>{0, 2}));
  EXPECT_EQ(count(), 3);
  vm.setRef(mgr, "systemLanguageSlots", 0);
  vm.setInt(mgr, "systemLanguageCount", INT_MAX);
  init(mgr);
  EXPECT_EQ(count(), INT_MIN + 2);
}

TEST_F(SystemLanguagesTest, NoLanguagesOrNoReceiverMakeNoUpcall) {
  init(std::nullopt);
  core::setSystemLanguageCodes({});
  init(mgr);
  EXPECT_EQ(count(), 0);
  EXPECT_EQ(vm.methodSlotRegistrations(), 0u);
}

// Managed code may override the method: the call dispatches on the receiver's class.
TEST_F(SystemLanguagesTest, TheMethodIsCalledVirtually) {
  vm.defineClass("test/MyLanguages", kMgr, {});
  std::vector<int32_t> seen;
  vm.defineMethod("test/MyLanguages", "addSystemLanguageFromNative(I)V",
                  [&](vm::Frame& frame) { seen.push_back(frame.intArg(0)); });
  init(vm.newObject("test/MyLanguages"));
  EXPECT_EQ(seen, (std::vector<int32_t>{0, 2, 5}));
}

}  // namespace
}  // namespace zelmo::test
