// Natives of uxclasses/graphics/CuxText.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxText{
    "uxclasses/graphics/CuxText", "uxClasses_Graphics_CuxText", 104,
    u"Failed to init native support for uxclasses.graphics.CuxText : %s", initCheck, {}};

}  // namespace

int32_t registerCuxText() { return registerClass(kCuxText); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxText_init() { return zelmo::registerCuxText(); }
