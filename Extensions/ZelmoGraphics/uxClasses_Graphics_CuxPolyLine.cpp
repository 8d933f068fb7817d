// Natives of uxclasses/graphics/CuxPolyLine.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxPolyLine{
    "uxclasses/graphics/CuxPolyLine",
    "uxClasses_Graphics_CuxPolyLine",
    763,
    u"Failed to init native support for uxclasses.graphics.CuxPolyLine : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxPolyLine() { return registerClass(kCuxPolyLine); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPolyLine_init() { return zelmo::registerCuxPolyLine(); }
