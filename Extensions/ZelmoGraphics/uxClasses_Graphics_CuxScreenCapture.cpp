// Natives of uxclasses/graphics/CuxScreenCapture: an image made of a layer area.
#include "bridge/ManagedFrame.h"
#include "bridge/Registrar.h"
#include "shapes/Images.h"

namespace zelmo {
namespace {

// createImage(IIIII)I: as CuxGraphicFile's, with the status dropped. It reads no field, so it
// also works through the class.
void createImage() {
  const ManagedFrame frame;
  int32_t status = 0;
  frame.setIntResult(static_cast<int32_t>(captureArea(frame, &status)));
}

constexpr const char* kClassName = "uxclasses/graphics/CuxScreenCapture";

constexpr NativeEntry kNatives[] = {
    {"createImage(IIIII)I", createImage},
};

}  // namespace
}  // namespace zelmo

ZELMO_EXPORT int32_t uxclasses_graphics_CuxScreenCapture_init() {
  return zelmo::registerClass(zelmo::kClassName, zelmo::kNatives,
                              {"uxClasses_Graphics_CuxScreenCapture", 67});
}
