// The canvas native that draws a CuxGraphicFile at a point (DrawImage.cpp).
#pragma once

namespace zelmo::canvas {

void drawImage();  // drawImage(Luxclasses/graphics/CuxGraphicFile;II)V

}  // namespace zelmo::canvas
