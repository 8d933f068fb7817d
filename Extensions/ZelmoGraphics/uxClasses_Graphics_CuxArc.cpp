// Natives of uxclasses/graphics/CuxArc.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxArc{
    "uxclasses/graphics/CuxArc", "uxClasses_Graphics_CuxArc", 63,
    u"Failed to init native support for uxclasses.graphics.CuxArc : %s", initCheck, {}};

}  // namespace

int32_t registerCuxArc() { return registerClass(kCuxArc); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxArc_init() { return zelmo::registerCuxArc(); }
