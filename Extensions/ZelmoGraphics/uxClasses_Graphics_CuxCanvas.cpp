// Natives of uxclasses/graphics/CuxCanvas, the immediate-mode drawing surface. The natives live
// in canvas/, grouped by subject and declared in canvas/CanvasNatives.h in this table's order;
// this file holds the registration table in its managed order.
#include "bridge/Registrar.h"
#include "canvas/CanvasNatives.h"
#include "records/CanvasRecord.h"

namespace zelmo {
namespace {

using namespace canvas;

constexpr NativeEntry kNatives[] = {
    {"drawThickArc(IIIIIII)V", drawThickArc},

    {"drawRect(IIII)V", drawRect},
    {"drawRoundRect(IIIIII)V", drawRoundRect},
    {"fillRect(IIII)V", fillRect},
    {"fillRect(IIIIIIBI)V", fillRectWithColors},
    {"fillRectWithBorder(IIIIII)V", fillRectWithBorder},
    {"fillRectWithBorder(IIIIIIIIIIIII)V", fillRectWithBorderTranslated},
    {"fillRoundRect(IIIIII)V", fillRoundRect},
    {"drawOval(IIII)V", drawOval},
    {"fillOvalWithBorder(IIIIIIIIII)V", fillOvalWithBorder},
    {"fillOval(IIII)V", fillOval},
    {"fillOval(IIIIIIBI)V", fillOvalWithColors},
    {"drawLine(IIII)V", drawLine},
    {"drawLine(IIIIIIBI)V", drawLineWithStyle},
    {"drawLine(IIIIIIIII)V", drawLineTranslated},
    {"drawPolygon([I[II)V", drawPolygon},
    {"fillPolygon([I[II)V", fillPolygon},
    {"fillPolygon([I[IIIIBI)V", fillPolygonWithColors},
    {"fillPolygon([I[IIIIIIBI)V", fillPolygonOffset},
    {"fillPolygonWithBorder([IIIIIIII)V", fillPolygonWithBorder},
    {"fillPolygonWithBorder([IIIIIIIIB)V", fillPolygonWithBorderTranslated},

    {"drawString(Ljava/lang/String;II)V", drawStringAt},
    {"drawString(Ljava/lang/String;IIII)V", drawStringInBox},
    {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V", drawStringWithFont},
    {"drawString(Ljava/lang/String;IIIIZ)V", drawStringFlagged},
    {"drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V", drawSimpleString},
    {"drawString(Ljava/lang/String;IIIIZI)V", drawStringMarquee},
    {"drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V",
     drawStringWithOptions},
    {"drawStringWithBorder(IIILjava/lang/String;IIII)V", drawStringWithBorder},
    {"drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V",
     drawStringWithBorderTranslated},
    {"drawStringWithBackground(ILjava/lang/String;IIII)V", drawStringWithBackground},

    {"drawArc(IIIIII)V", drawArc},
    {"drawArc(IIIIIIIIII)V", drawArcWithStyle},
    {"drawArc(IIIIIIIIIIII)V", drawArcBetweenPoints},
    {"fillArc(IIIIII)V", fillArc},
    {"drawPie(IIIIII)V", drawPie},
    {"fillPieWithBorder(IIIIIIIIIIII)V", fillPieWithBorder},
    {"fillPieWithBorder(IIIIIIIIIIIIII)V", fillPieWithBorderBetweenPoints},
    {"fillPieWithBorder(IIIIIIIIIIIIIIZ)V", fillPieWithBorderFromPoint},
    {"drawImage(Luxclasses/graphics/CuxGraphicFile;II)V", drawImage},

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

    {"drawPolyline([I[IIIIIII)V", drawPolyline},
    {"drawPolyline([IIIIIII)V", drawPolylineTranslated},
    {"drawBezier([IIIIII)V", drawBezier},
    {"drawScale(IIIIZIIIII)V", drawScaleLinear},
    {"drawScale(IIIIIIIIIIII)V", drawScaleRound},
    {"drawScaleWithSubDivision(IIIIIIIIIIIIII)V", drawScaleWithSubDivision},

    {"fillTriangleWithBorder(IIIIIIIIBIII)V", fillTriangleWithBorder},
    {"drawBevelButton(IIIIIIIIII)V", drawBevelButton},
    {"rotatePtX(II)I", rotatePtX},
    {"rotatePtY(II)I", rotatePtY},
    {"preciseRotatePtX(II)I", preciseRotatePtX},
    {"preciseRotatePtY(II)I", preciseRotatePtY},
    {"preCalculatePolygonParams(I[I[I[I[I)V", preCalculatePolygonParams},
    {"fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V", fillRotatingPolygon},
    {"drawMarks([I[IIIIII)V", drawMarks},

    {"setTransform(IIFF)V", setTransformScaled},
    {"setTransform(II)V", setTransform},
    {"resetTransform()V", resetTransform},
    {"fillPath(Ljava/lang/String;I)V", fillPath},
    {"drawPath(Ljava/lang/String;II)V", drawPath},
    {"fillAndDrawPath(Ljava/lang/String;III)V", fillAndDrawPath},
    {"setClip(IIII)V", setClip},
    {"clipRect(IIII)V", clipRect},
    {"getClipBounds()Luxclasses/graphics/CuxArea;", getClipBounds},
    {"getClipBounds(Luxclasses/graphics/CuxArea;)Z", getClipBoundsInto},
    {"removeClipArea()V", removeClipArea},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxCanvas_init() {
  return zelmo::registerClass(zelmo::CanvasStatics::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxCanvas", 4877});
}
