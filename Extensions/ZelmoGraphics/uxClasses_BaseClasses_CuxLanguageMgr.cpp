// Natives of uxclasses/baseclasses/CuxLanguageMgr: the user application's languages kept in the
// "Language" section of the runtime's configuration, one key per value, indexed keys ending in
// the index in decimal (UserApplicationLanguageNum3).
#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "bridge/Upcalls.h"
#include "platform/CoreServices.h"

namespace zelmo {
namespace {

constexpr UniChar kSection[] = u"Language";
constexpr UniChar kNumKey[] = u"UserApplicationLanguageNum";
constexpr UniChar kNameKey[] = u"UserApplicationLanguageName";
constexpr UniChar kElementsKey[] = u"UserApplicationLanguageElements";
constexpr UniChar kSystemLangKey[] = u"UserApplicationLanguageSystemLang";
constexpr UniChar kSystemElementsKey[] = u"SystemLanguageElements";

// Keys and names: 39 units and the terminator.
constexpr int32_t kKeyCapacity = 40;
constexpr int32_t kNameCapacity = 40;
using Key = UniChar[kKeyCapacity];
using Name = UniChar[kNameCapacity];

// System language slots 0..8, each with a code of up to 15 units and the terminator.
constexpr int32_t kSystemLanguageSlots = 9;
constexpr int32_t kCodeCapacity = 16;

// `name` followed by `index` in decimal. A negative index, or one whose key would pass 39
// units, has no key: the caller then reads and writes nothing.
bool indexedKey(Key& key, const UniChar* name, int32_t index) {
  if (index < 0) return false;
  UniChar digits[12];  // any int, sign included
  osUTitou(index, digits, 10);
  if (osUTustrlen(name) + osUTustrlen(digits) >= kKeyCapacity) return false;
  osUTustrcpy(key, name);
  osUTustrcat(key, digits);
  return true;
}

// The key's integer; 0 when it is absent or not an integer.
int32_t configInt(const UniChar* key) {
  int32_t value = 0;
  osCGgetINT32(kSection, key, false, &value);
  return value;
}

int32_t indexedConfigInt(const UniChar* name, int32_t index) {
  Key key;
  return indexedKey(key, name, index) ? configInt(key) : 0;
}

bool isLineBreak(UniChar c) { return c == u'\r' || c == u'\n'; }
bool isHighSurrogate(UniChar c) { return c >= 0xD800 && c <= 0xDBFF; }

// setUserApplicationLanguageNum(II)Z
void setUserApplicationLanguageNum() {
  const ManagedFrame frame;
  const int32_t index = frame.intArg(0);
  const int32_t value = frame.intArg(1);
  Key key;
  frame.setBoolResult(indexedKey(key, kNumKey, index) && osCGsetINT32(kSection, key, value));
}

// getUserApplicationLanguageNum(I)I
void getUserApplicationLanguageNum() {
  const ManagedFrame frame;
  frame.setIntResult(indexedConfigInt(kNumKey, frame.intArg(0)));
}

// setUserApplicationLanguageName(ILjava/lang/String;)Z
void setUserApplicationLanguageName() {
  const ManagedFrame frame;
  const int32_t index = frame.intArg(0);
  Key key;
  if (!indexedKey(key, kNameKey, index)) return frame.setBoolResult(false);
  const Storage string = fieldsOf(frame.refArg(1));
  // A line break would forge lines in the configuration file.
  const StringText text = stringText(string);
  for (int32_t i = 0; i < text.count; ++i)
    if (isLineBreak(text.chars[i])) return frame.setBoolResult(false);
  // A null name is stored as "". The cut keeps 39 units, 38 where the 39th would be the first
  // half of a surrogate pair: half a pair has no UTF-8.
  Name name;
  copyString(string, name);
  if (isHighSurrogate(name[kNameCapacity - 2])) name[kNameCapacity - 2] = 0;
  frame.setBoolResult(osCGsetUNICHAR(kSection, key, name));
}

// getUserApplicationLanguageName(I)Ljava/lang/String;
void getUserApplicationLanguageName() {
  const ManagedFrame frame;
  const int32_t index = frame.intArg(0);
  Name name = {};  // an absent key reads as ""
  Key key;
  if (indexedKey(key, kNameKey, index)) osCGgetUNICHAR(kSection, key, false, kNameCapacity, name);
  name[kNameCapacity - 1] = 0;
  frame.setRefResult(newString(name, osUTustrlen(name)));
}

// setUserApplicationLanguageElements(I)Z
void setUserApplicationLanguageElements() {
  const ManagedFrame frame;
  const int32_t count = frame.intArg(0);
  frame.setBoolResult(osCGsetINT32(kSection, kElementsKey, count));
}

// getUserApplicationLanguageElements()I
void getUserApplicationLanguageElements() {
  const ManagedFrame frame;
  frame.setIntResult(configInt(kElementsKey));
}

// getUserApplicationLanguageSystemLanguageNum(I)I
void getUserApplicationLanguageSystemLanguageNum() {
  const ManagedFrame frame;
  frame.setIntResult(indexedConfigInt(kSystemLangKey, frame.intArg(0)));
}

// initSystemLanguagesFromConfig()V
// Managed code gets one callback per system language in use, in slot order, with the slot.
void initSystemLanguagesFromConfig() {
  const ManagedFrame frame;
  for (int32_t slot = 0; slot < kSystemLanguageSlots; ++slot) {
    UniChar code[kCodeCapacity] = {};  // emptied for every slot
    osBLgetSystemLanguageCode(code, slot);
    // `this` afresh each time: the method called back may have moved it.
    if (code[0] != 0) upcall::addSystemLanguageFromNative(frame.thisFields(), slot, 0);
  }
}

// getNumberOfSystemLanguages()I
void getNumberOfSystemLanguages() {
  const ManagedFrame frame;
  frame.setIntResult(configInt(kSystemElementsKey));
}

constexpr const char* kClassName = "uxclasses/baseclasses/CuxLanguageMgr";

constexpr NativeEntry kNatives[] = {
    {"setUserApplicationLanguageNum(II)Z", setUserApplicationLanguageNum},
    {"getUserApplicationLanguageNum(I)I", getUserApplicationLanguageNum},
    {"setUserApplicationLanguageName(ILjava/lang/String;)Z", setUserApplicationLanguageName},
    {"getUserApplicationLanguageName(I)Ljava/lang/String;", getUserApplicationLanguageName},
    {"setUserApplicationLanguageElements(I)Z", setUserApplicationLanguageElements},
    {"getUserApplicationLanguageElements()I", getUserApplicationLanguageElements},
    {"getUserApplicationLanguageSystemLanguageNum(I)I",
     getUserApplicationLanguageSystemLanguageNum},
    {"initSystemLanguagesFromConfig()V", initSystemLanguagesFromConfig},
    {"getNumberOfSystemLanguages()I", getNumberOfSystemLanguages},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_baseclasses_CuxLanguageMgr_init() {
  return zelmo::registerClass(zelmo::kClassName, zelmo::kNatives,
                              {"uxClasses_BaseClasses_CuxLanguageMgr", 243});
}
