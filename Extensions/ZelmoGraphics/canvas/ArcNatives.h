// Canvas natives that draw arcs, pies and thick arcs. Angles are whole degrees (tenths for the
// thick arc), counter-clockwise from the positive x axis; a box is corner and size.
#pragma once

namespace zelmo::canvas {

// Arcs and open pies (Arcs.cpp).
void drawArc();               // drawArc(IIIIII)V, the canvas pen
void drawArcWithStyle();      // drawArc(IIIIIIIIII)V, angles
void drawArcBetweenPoints();  // drawArc(IIIIIIIIIIII)V, end points, translated
void fillArc();               // fillArc(IIIIII)V
void drawPie();               // drawPie(IIIIII)V

// Bordered pies (Pies.cpp).
void fillPieWithBorder();               // fillPieWithBorder(IIIIIIIIIIII)V, angles
void fillPieWithBorderBetweenPoints();  // fillPieWithBorder(IIIIIIIIIIIIII)V, translated
void fillPieWithBorderFromPoint();      // fillPieWithBorder(IIIIIIIIIIIIIIZ)V, a fixed end

// Thick circular arcs (ThickArcs.cpp).
void drawThickArc();

}  // namespace zelmo::canvas
