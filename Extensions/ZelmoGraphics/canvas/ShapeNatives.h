// Canvas natives that draw geometry: rectangles, ovals, lines, point lists (polygons, polylines,
// Bezier lines), triangles and bevel buttons. The short overloads draw with the canvas pen; the
// long ones take every pen value as an argument.
#pragma once

namespace zelmo::canvas {

// Rectangles (Rectangles.cpp). Zero-width or zero-height rectangles draw nothing.
void drawRect();
void drawRoundRect();
void fillRect();                      // fillRect(IIII)V
void fillRectWithColors();            // fillRect(IIIIIIBI)V
void fillRectWithBorder();            // fillRectWithBorder(IIIIII)V
void fillRectWithBorderTranslated();  // fillRectWithBorder(IIIIIIIIIIIII)V
void fillRoundRect();

// Ovals and lines (OvalsAndLines.cpp).
void drawOval();
void fillOvalWithBorder();  // translated
void fillOval();            // fillOval(IIII)V
void fillOvalWithColors();  // fillOval(IIIIIIBI)V
void drawLine();            // drawLine(IIII)V
void drawLineWithStyle();   // drawLine(IIIIIIBI)V
void drawLineTranslated();  // drawLine(IIIIIIIII)V

// Point lists (PointLists.cpp).
void drawPolygon();
void fillPolygon();                      // fillPolygon([I[II)V
void fillPolygonWithColors();            // fillPolygon([I[IIIIBI)V
void fillPolygonOffset();                // fillPolygon([I[IIIIIIBI)V
void fillPolygonWithBorder();            // fillPolygonWithBorder([IIIIIIII)V
void fillPolygonWithBorderTranslated();  // fillPolygonWithBorder([IIIIIIIIB)V
void drawPolyline();                     // drawPolyline([I[IIIIIII)V
void drawPolylineTranslated();           // drawPolyline([IIIIIII)V
void drawBezier();                       // translated

// Triangles and bevel buttons (TrianglesAndBevels.cpp).
void fillTriangleWithBorder();
void drawBevelButton();

}  // namespace zelmo::canvas
