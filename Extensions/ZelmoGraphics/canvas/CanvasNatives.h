// Every CuxCanvas native, in the order uxClasses_Graphics_CuxCanvas.cpp registers them, each
// under the file that defines it. Each definition carries its managed signature as its comment.
#pragma once

namespace zelmo::canvas {

// ThickArcs.cpp
void drawThickArc();

// Rectangles.cpp
void drawRect();
void drawRoundRect();
void fillRect();
void fillRectWithColors();
void fillRectWithBorder();
void fillRectWithBorderTranslated();
void fillRoundRect();

// OvalsAndLines.cpp
void drawOval();
void fillOvalWithBorder();
void fillOval();
void fillOvalWithColors();
void drawLine();
void drawLineWithStyle();
void drawLineTranslated();

// PolygonsAndPolylines.cpp
void drawPolygon();
void fillPolygon();
void fillPolygonWithColors();
void fillPolygonOffset();
void fillPolygonWithBorder();
void fillPolygonWithBorderTranslated();

// Strings.cpp
void drawStringAt();
void drawStringInBox();
void drawStringWithFont();
void drawStringFlagged();
void drawSimpleString();
void drawStringMarquee();
void drawStringWithOptions();
void drawStringWithBorder();
void drawStringWithBorderTranslated();
void drawStringWithBackground();

// Arcs.cpp
void drawArc();
void drawArcWithStyle();
void drawArcBetweenPoints();
void fillArc();
void drawPie();

// Pies.cpp
void fillPieWithBorder();
void fillPieWithBorderBetweenPoints();
void fillPieWithBorderFromPoint();

// DrawImage.cpp
void drawImage();

// Numbers.cpp
void drawNumber();
void drawNumberTruncated();
void drawNumberInColor();
void drawNumberFixedPoint();
void drawNumberLegacy();
void drawNumberFormatted();
void drawNumberFormattedWithSuffix();

// Floats.cpp
void drawFloatFormatted();
void drawFloatFormattedWithSuffix();
void drawFloatInCanvasFont();
void drawFloatInFont();
void drawFloatSignificant();

// DateTime.cpp
void drawDateTime();
void onTimeChange();

// PolygonsAndPolylines.cpp
void drawPolyline();
void drawPolylineTranslated();
void drawBezier();

// Scales.cpp
void drawScaleLinear();
void drawScaleRound();
void drawScaleWithSubDivision();

// TrianglesAndBevels.cpp
void fillTriangleWithBorder();
void drawBevelButton();

// RotatingPolygons.cpp
void rotatePtX();
void rotatePtY();
void preciseRotatePtX();
void preciseRotatePtY();
void preCalculatePolygonParams();
void fillRotatingPolygon();

// Marks.cpp
void drawMarks();

// TransformAndClip.cpp
void setTransformScaled();
void setTransform();
void resetTransform();

// Paths.cpp
void fillPath();
void drawPath();
void fillAndDrawPath();

// TransformAndClip.cpp
void setClip();
void clipRect();
void getClipBounds();
void getClipBoundsInto();
void removeClipArea();

}  // namespace zelmo::canvas
