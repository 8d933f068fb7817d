// Natives of uxclasses/graphics/CuxBezier.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxBezier{
    "uxclasses/graphics/CuxBezier", "uxClasses_Graphics_CuxBezier", 55,
    u"Failed to init native support for uxclasses.graphics.CuxBezier : %s", initCheck, {}};

}  // namespace

int32_t registerCuxBezier() { return registerClass(kCuxBezier); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxBezier_init() { return zelmo::registerCuxBezier(); }
