#include "panel/natives/ClassTables.h"

namespace panel::natives {

ManagedClass screenCaptureNatives() {
  return {"uxclasses/graphics/CuxScreenCapture",
          {{"createImage(IIIII)I",
            "Copies an area of a layer into a new image; a width or height of 0 takes the whole "
            "layer.",
            join({{{"layer", Unit::Layer, nullptr, "the layer copied from"}}, box()}),
            "the new image's handle"}}};
}

}  // namespace panel::natives
