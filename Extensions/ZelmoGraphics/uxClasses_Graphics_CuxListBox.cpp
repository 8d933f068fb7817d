// Natives of uxclasses/graphics/CuxListBox.
#include "bridge/Registrar.h"

namespace zelmo {
namespace {

// None of this class's natives is built yet.
constexpr ClassRegistration kCuxListBox{
    "uxclasses/graphics/CuxListBox",
    "uxClasses_Graphics_CuxListBox",
    537,
    u"Failed to init native support for uxclasses.graphics.CuxListBox : %s",
    initCheck,
    {}};

}  // namespace

int32_t registerCuxListBox() { return registerClass(kCuxListBox); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxListBox_init() { return zelmo::registerCuxListBox(); }
