// Natives of uxclasses/graphics/CuxPie.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxPie{
    "uxclasses/graphics/CuxPie", "uxClasses_Graphics_CuxPie", 191,
    u"Failed to init native support for uxclasses.graphics.CuxPie : %s", initCheck, {}};

}  // namespace

int32_t registerCuxPie() { return registerClass(kCuxPie); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxPie_init() { return zelmo::registerCuxPie(); }
