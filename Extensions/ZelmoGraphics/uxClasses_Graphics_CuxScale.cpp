// Natives of uxclasses/graphics/CuxScale.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxScale{
    "uxclasses/graphics/CuxScale",
    "uxClasses_Graphics_CuxScale",
    78,
    u"Failed to init native support for uxclasses.graphics.CuxScale : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxScale() { return registerClass(kCuxScale); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxScale_init() { return zelmo::registerCuxScale(); }
