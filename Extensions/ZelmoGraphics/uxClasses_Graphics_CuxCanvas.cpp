// Natives of uxclasses/graphics/CuxCanvas, the immediate-mode drawing surface. The natives live
// in canvas/, grouped by subject; this file holds the registration table in its managed order.
#include "bridge/Registrar.h"
#include "canvas/NumberNatives.h"
#include "canvas/TransformClipNatives.h"

namespace zelmo {
namespace {

using namespace canvas;

constexpr NativeEntry kNatives[] = {
    {"drawNumber(IIIIII)V", drawNumber},
    {"drawNumber(IIIIZIIII)V", drawNumberTruncated},
    {"drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V", drawNumberInColor},
    {"drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V", drawNumberFixedPoint},
    {"drawNumber(IIIIIZIIIIIII)V", drawNumberLegacy},
    {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V", drawNumberFormatted},
    {"drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
     drawNumberFormattedWithSuffix},
    {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V", drawFloatFormatted},
    {"nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V",
     drawFloatFormattedWithSuffix},
    {"nativeDrawFloat(FIIIZIIIIIII)V", drawFloatInCanvasFont},
    {"nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V", drawFloatInFont},
    {"nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V", drawFloatSignificant},
    {"drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V", drawDateTime},
    {"onTimeChange()V", onTimeChange},
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
