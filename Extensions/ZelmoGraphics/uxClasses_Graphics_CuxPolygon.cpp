// Natives of uxclasses/graphics/CuxPolygon.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxPolygon{
    "uxclasses/graphics/CuxPolygon", "uxClasses_Graphics_CuxPolygon", 132,
    u"Failed to init native support for uxclasses.graphics.CuxPolygon : %s", initCheck, {}};

}  // namespace

int32_t registerCuxPolygon() { return registerClass(kCuxPolygon); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPolygon_init() { return zelmo::registerCuxPolygon(); }
