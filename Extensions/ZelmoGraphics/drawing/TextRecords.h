// The text records handed to osGXtext and its siblings, built the same way by every caller that
// draws text: the canvas strings, the number, float and date renderers and the text object.
#pragma once

#include "geometry/IntMath.h"
#include "platform/PlatformTypes.h"
#include "records/CanvasRecord.h"
#include "records/Colour.h"

namespace zelmo {

// Options 3 to 5 are always 1 and the reserved bytes 0 in every caller.
inline TEXTATTRIB textAttributes(int32_t mode, uint8_t option1, uint8_t option2, uint8_t option6,
                                 uint8_t option7) {
  TEXTATTRIB a{};
  a.mode = mode;
  a.option1 = option1;
  a.option2 = option2;
  a.option3 = 1;
  a.option4 = 1;
  a.option5 = 1;
  a.option6 = option6;
  a.option7 = option7;
  return a;
}

// The canvas defaults: the pen colour on no background, the canvas third colour, mode 2 and the
// canvas text option.
inline TEXTCOL canvasTextColours(const Canvas& canvas) {
  return TEXTCOL{canvas.color, kNoColour, canvas.textThirdColor};
}
inline TEXTATTRIB canvasTextAttributes(const Canvas& canvas) {
  return textAttributes(2, 0, 0, canvas.textOption, 1);
}

}  // namespace zelmo
