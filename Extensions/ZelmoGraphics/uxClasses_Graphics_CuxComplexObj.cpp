// Natives of uxclasses/graphics/CuxComplexObj.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxComplexObj{
    "uxclasses/graphics/CuxComplexObj",
    "uxClasses_Graphics_CuxComplexObj",
    485,
    u"Failed to init native support for uxclasses.graphics.CuxComplexObj : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxComplexObj() { return registerClass(kCuxComplexObj); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxComplexObj_init() {
  return zelmo::registerCuxComplexObj();
}
