// Canvas natives that fill and stroke a path given as text (Paths.cpp). They are class methods:
// the path String is reference argument 0 and no canvas is read. The drawing service parses the
// text and applies the whole canvas transform, which goes with every call as it stands.
#pragma once

namespace zelmo::canvas {

void fillPath();         // fillPath(Ljava/lang/String;I)V
void drawPath();         // drawPath(Ljava/lang/String;II)V
void fillAndDrawPath();  // fillAndDrawPath(Ljava/lang/String;III)V

}  // namespace zelmo::canvas
