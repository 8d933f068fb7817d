// Natives of uxclasses/graphics/CuxScreenCapture.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxScreenCapture{
    "uxclasses/graphics/CuxScreenCapture",
    "uxClasses_Graphics_CuxScreenCapture",
    67,
    u"Failed to init native support for uxclasses.graphics.CuxScreenCapture : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxScreenCapture() { return registerClass(kCuxScreenCapture); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxScreenCapture_init() {
  return zelmo::registerCuxScreenCapture();
}
