// Canvas natives for gauges and trends: scales (Scales.cpp), turned points and rotating
// polygons (Rotation.cpp), and marks on sample points (Marks.cpp). They take every colour and
// line attribute as an argument; none reads the canvas record.
#pragma once

namespace zelmo::canvas {

// Scales, translated by the canvas translation.
void drawScaleLinear();           // drawScale(IIIIZIIIII)V
void drawScaleRound();            // drawScale(IIIIIIIIIIII)V
void drawScaleWithSubDivision();  // drawScaleWithSubDivision(IIIIIIIIIIIIII)V

// Turned points (no reference read) and rotating polygons; no translation.
void rotatePtX();
void rotatePtY();
void preciseRotatePtX();
void preciseRotatePtY();
void preCalculatePolygonParams();  // a class method
void fillRotatingPolygon();

// Marks; no translation.
void drawMarks();

}  // namespace zelmo::canvas
