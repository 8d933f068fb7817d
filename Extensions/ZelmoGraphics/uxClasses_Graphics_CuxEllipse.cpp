// Natives of uxclasses/graphics/CuxEllipse.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxEllipse{
    "uxclasses/graphics/CuxEllipse", "uxClasses_Graphics_CuxEllipse", 127,
    u"Failed to init native support for uxclasses.graphics.CuxEllipse : %s", initCheck, {}};

}  // namespace

int32_t registerCuxEllipse() { return registerClass(kCuxEllipse); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxEllipse_init() { return zelmo::registerCuxEllipse(); }
