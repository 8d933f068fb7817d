// Natives of uxclasses/baseclasses/CuxLanguageMgr.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxLanguageMgr{
    "uxclasses/baseclasses/CuxLanguageMgr",
    "uxClasses_BaseClasses_CuxLanguageMgr",
    243,
    u"Failed to init native support for uxclasses.baseclasses.CuxLanguageMgr : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxLanguageMgr() { return registerClass(kCuxLanguageMgr); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_baseclasses_CuxLanguageMgr_init() {
  return zelmo::registerCuxLanguageMgr();
}
