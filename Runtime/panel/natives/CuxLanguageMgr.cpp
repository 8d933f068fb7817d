#include "panel/natives/ClassTables.h"

namespace panel::natives {

namespace {

Argument index() { return {"index", Unit::Index, nullptr, "of the user application language"}; }

}  // namespace

ManagedClass languageMgrNatives() {
  return {"uxclasses/baseclasses/CuxLanguageMgr",
          {{"setUserApplicationLanguageNum(II)Z",
            "Stores the number of a user application language in the configuration.",
            {index(), plain("value", "the language's number")},
            "true when the configuration took it"},
           {"getUserApplicationLanguageNum(I)I",
            "Reads the number of a user application language from the configuration.",
            {index()},
            "the number; 0 when none is stored"},
           {"setUserApplicationLanguageName(ILjava/lang/String;)Z",
            "Stores the name of a user application language (at most 39 characters).",
            {index(), plain("name", "the display name")},
            "true when the configuration took it"},
           {"getUserApplicationLanguageName(I)Ljava/lang/String;",
            "Reads the name of a user application language from the configuration.",
            {index()},
            "a new String; empty when none is stored"},
           {"setUserApplicationLanguageElements(I)Z",
            "Stores how many user application languages there are.",
            {{"count", Unit::Count}},
            "true when the configuration took it"},
           {"getUserApplicationLanguageElements()I",
            "Reads how many user application languages there are.",
            {},
            "the count; 0 when none is stored"},
           {"getUserApplicationLanguageSystemLanguageNum(I)I",
            "Reads the system language that a user application language maps to.",
            {index()},
            "the system language number; 0 when none is stored"},
           {"initSystemLanguagesFromConfig()V",
            "Calls addSystemLanguageFromNative(I)V with the slot of each system language in use, "
            "slots 0 to 8 in order.",
            {}},
           {"getNumberOfSystemLanguages()I",
            "Reads how many system languages there are.",
            {},
            "the count; 0 when none is stored"}}};
}

}  // namespace panel::natives
