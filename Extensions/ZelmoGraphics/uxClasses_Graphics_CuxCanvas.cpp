// Natives of uxclasses/graphics/CuxCanvas, the immediate-mode drawing surface. The natives live
// in canvas/, grouped by subject; this file holds the registration table in its managed order.
#include "bridge/Registrar.h"
#include "canvas/TransformClipNatives.h"

namespace zelmo {
namespace {

using namespace canvas;

constexpr NativeEntry kNatives[] = {
    {"setTransform(IIFF)V", setTransformScaled},
    {"setTransform(II)V", setTransform},
    {"resetTransform()V", resetTransform},
    {"setClip(IIII)V", setClip},
    {"clipRect(IIII)V", clipRect},
    {"getClipBounds()Luxclasses/graphics/CuxArea;", getClipBounds},
    {"getClipBounds(Luxclasses/graphics/CuxArea;)Z", getClipBoundsInto},
    {"removeClipArea()V", removeClipArea},
};

constexpr ClassRegistration kCuxCanvas{
    "uxclasses/graphics/CuxCanvas", "uxClasses_Graphics_CuxCanvas", 4877,
    u"Failed to init native support for uxclasses.graphics.CuxCanvas : %s", initCheck, kNatives};

}  // namespace

int32_t registerCuxCanvas() { return registerClass(kCuxCanvas); }

}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxCanvas_init() { return zelmo::registerCuxCanvas(); }
