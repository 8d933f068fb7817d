#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass textNatives() {
  return {"uxclasses/graphics/CuxText",
          {{"draw(II)V",
            "Draws the text in its box with its colours, alignment and font, then its border.",
            {layer(), unused()}}}};
}

}  // namespace panel::natives
