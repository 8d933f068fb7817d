// Natives of uxclasses/graphics/CuxGraphicFile.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxGraphicFile{
    "uxclasses/graphics/CuxGraphicFile",
    "uxClasses_Graphics_CuxGraphicFile",
    132,
    u"Failed to init native support for uxclasses.graphics.CuxGraphicFile : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxGraphicFile() { return registerClass(kCuxGraphicFile); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxGraphicFile_init() {
  return zelmo::registerCuxGraphicFile();
}
