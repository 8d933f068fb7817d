// Canvas transform and clip natives. Each subject of canvas natives has a header like this one;
// uxClasses_Graphics_CuxCanvas.cpp registers them all in order.
#pragma once

namespace zelmo::canvas {

// Transform and clip.
void setTransformScaled();  // setTransform(IIFF)V
void setTransform();        // setTransform(II)V
void resetTransform();
void setClip();
void clipRect();
void getClipBounds();      // getClipBounds()Luxclasses/graphics/CuxArea;
void getClipBoundsInto();  // getClipBounds(Luxclasses/graphics/CuxArea;)Z
void removeClipArea();

}  // namespace zelmo::canvas
