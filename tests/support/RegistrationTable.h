// The natives every managed class registers, in registration order: what the module must end up
// registering when every native is built.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zelmo::test {

// Each class with its signatures, space-separated, in registration order.
inline const std::vector<std::pair<std::string, std::string>>& expectedRegistrations() {
  static const std::vector<std::pair<std::string, std::string>> table = [] {
    const std::pair<const char*, const char*> classes[] = {
        {"uxclasses/graphics/CuxArc", "draw(I)V"},
        {"uxclasses/graphics/CuxBezier", "draw(I)V"},
        {"uxclasses/graphics/CuxComplexObj",
         "draw(I)V resize(IB)V setPosition(II)V setRotationPoint(II)V rotatePoints(I)V "
         "updateBoundingRectangle()Luxclasses/baseclasses/CuxGraphics;"},
        {"uxclasses/graphics/CuxEllipse", "draw(I)V"},
        {"uxclasses/graphics/CuxFont",
         "calcTextMetrics(Ljava/lang/String;)V createFont()I deleteFont()V isAgfaFont()Z "
         "isTcpFont()Z"},
        {"uxclasses/graphics/CuxGraphicFile",
         "draw(I)V createImage(IIIII[I)I loadImage(Ljava/lang/String;[I)I unloadImage(I)V"},
        {"uxclasses/graphics/CuxListBox",
         "setTitle([Ljava/lang/String;Luxclasses/graphics/CuxFont;III)V setFrame(IIBB)V "
         "setRule(IIBB)V insertRow([Ljava/lang/String;IZ)V setRowContent(I[Ljava/lang/String;)V "
         "setContents([Ljava/lang/String;II)V wipeOut()V setRowColor(III)V getRowPos()I "
         "setCursor(I)V resetCursor()V removeRow(I)V move(II)V draw(I)V constructListBox(II[I[I)V "
         "deleteListBox()V"},
        {"uxclasses/graphics/CuxPie", "draw(I)V"},
        {"uxclasses/graphics/CuxPolygon", "drawPolygon(I)V"},
        {"uxclasses/graphics/CuxPolyLine",
         "draw(I)V updateCorePts()V setPosition(II)V rotatePoints(I)V resizePoints(IBIB)V "
         "movePoints(II)V"},
        {"uxclasses/graphics/CuxRectangle", "draw(I)V resizeRectangle(IBIB)V"},
        {"uxclasses/graphics/CuxScale", "draw(I)V"},
        {"uxclasses/graphics/CuxText", "draw(II)V"},
        {"uxclasses/baseclasses/CuxLanguageMgr",
         "setUserApplicationLanguageNum(II)Z getUserApplicationLanguageNum(I)I "
         "setUserApplicationLanguageName(ILjava/lang/String;)Z "
         "getUserApplicationLanguageName(I)Ljava/lang/String; "
         "setUserApplicationLanguageElements(I)Z getUserApplicationLanguageElements()I "
         "getUserApplicationLanguageSystemLanguageNum(I)I initSystemLanguagesFromConfig()V "
         "getNumberOfSystemLanguages()I"},
        {"uxclasses/graphics/CuxCanvas",
         "drawThickArc(IIIIIII)V drawRect(IIII)V drawRoundRect(IIIIII)V fillRect(IIII)V "
         "fillRect(IIIIIIBI)V fillRectWithBorder(IIIIII)V fillRectWithBorder(IIIIIIIIIIIII)V "
         "fillRoundRect(IIIIII)V drawOval(IIII)V fillOvalWithBorder(IIIIIIIIII)V fillOval(IIII)V "
         "fillOval(IIIIIIBI)V drawLine(IIII)V drawLine(IIIIIIBI)V drawLine(IIIIIIIII)V "
         "drawPolygon([I[II)V fillPolygon([I[II)V fillPolygon([I[IIIIBI)V "
         "fillPolygon([I[IIIIIIBI)V "
         "fillPolygonWithBorder([IIIIIIII)V fillPolygonWithBorder([IIIIIIIIB)V "
         "drawString(Ljava/lang/String;II)V drawString(Ljava/lang/String;IIII)V "
         "drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;)V "
         "drawString(Ljava/lang/String;IIIIZ)V "
         "drawString(Ljava/lang/String;IIIIILuxclasses/graphics/CuxFont;I)V "
         "drawString(Ljava/lang/String;IIIIZI)V "
         "drawString(Ljava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;Z)V "
         "drawStringWithBorder(IIILjava/lang/String;IIII)V "
         "drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILuxclasses/graphics/CuxFont;)V "
         "drawStringWithBackground(ILjava/lang/String;IIII)V drawArc(IIIIII)V drawArc(IIIIIIIIII)V "
         "drawArc(IIIIIIIIIIII)V fillArc(IIIIII)V drawPie(IIIIII)V "
         "fillPieWithBorder(IIIIIIIIIIII)V "
         "fillPieWithBorder(IIIIIIIIIIIIII)V fillPieWithBorder(IIIIIIIIIIIIIIZ)V "
         "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V drawNumber(IIIIII)V "
         "drawNumber(IIIIZIIII)V drawNumber(IIIIIIILuxclasses/graphics/CuxFont;)V "
         "drawNumber(IIIIIIZIIIIIILuxclasses/graphics/CuxFont;)V drawNumber(IIIIIZIIIIIII)V "
         "drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V "
         "drawNumber(IIIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V "
         "nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;)V "
         "nativeDrawFloat(FIIIIZZZIIIIIILuxclasses/graphics/CuxFont;Ljava/lang/String;)V "
         "nativeDrawFloat(FIIIZIIIIIII)V "
         "nativeDrawFloat(FIIIZIIIIIIILuxclasses/graphics/CuxFont;)V "
         "nativeDrawFloat(FIIIZZIIIIIILuxclasses/graphics/CuxFont;)V "
         "drawDateTime(IIIIIIILuxclasses/graphics/CuxFont;)V onTimeChange()V "
         "drawPolyline([I[IIIIIII)V drawPolyline([IIIIIII)V drawBezier([IIIIII)V "
         "drawScale(IIIIZIIIII)V drawScale(IIIIIIIIIIII)V "
         "drawScaleWithSubDivision(IIIIIIIIIIIIII)V "
         "fillTriangleWithBorder(IIIIIIIIBIII)V drawBevelButton(IIIIIIIIII)V rotatePtX(II)I "
         "rotatePtY(II)I preciseRotatePtX(II)I preciseRotatePtY(II)I "
         "preCalculatePolygonParams(I[I[I[I[I)V fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V "
         "drawMarks([I[IIIIII)V setTransform(IIFF)V setTransform(II)V resetTransform()V "
         "fillPath(Ljava/lang/String;I)V drawPath(Ljava/lang/String;II)V "
         "fillAndDrawPath(Ljava/lang/String;III)V setClip(IIII)V clipRect(IIII)V "
         "getClipBounds()Luxclasses/graphics/CuxArea; getClipBounds(Luxclasses/graphics/CuxArea;)Z "
         "removeClipArea()V"},
        {"uxclasses/graphics/CuxScreenCapture", "createImage(IIIII)I"},
    };
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& [className, signatures] : classes) {
      std::istringstream words(signatures);
      for (std::string signature; words >> signature;) out.emplace_back(className, signature);
    }
    return out;
  }();
  return table;
}

// "uxclasses/graphics/CuxArc" -> "uxclasses_graphics_CuxArc_init".
inline std::string initExportOf(const std::string& className) {
  std::string name = className;
  for (char& c : name)
    if (c == '/') c = '_';
  return name + "_init";
}

}  // namespace zelmo::test
