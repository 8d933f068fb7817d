// Natives of uxclasses/graphics/CuxRectangle.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxRectangle{
    "uxclasses/graphics/CuxRectangle", "uxClasses_Graphics_CuxRectangle", 287,
    u"Failed to init native support for uxclasses.graphics.CuxRectangle : %s", initCheck, {}};

}  // namespace

int32_t registerCuxRectangle() { return registerClass(kCuxRectangle); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxRectangle_init() { return zelmo::registerCuxRectangle(); }
