// Natives of uxclasses/graphics/CuxFont.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxFont{
    "uxclasses/graphics/CuxFont", "uxClasses_Graphics_CuxFont", 166,
    u"Failed to init native support for uxclasses.graphics.CuxFont : %s", initCheck, {}};

}  // namespace

int32_t registerCuxFont() { return registerClass(kCuxFont); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxFont_init() { return zelmo::registerCuxFont(); }
