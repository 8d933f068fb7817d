// What the image natives of CuxGraphicFile, CuxScreenCapture and CuxCanvas share: drawing a
// graphic file at a point, and capturing a layer area into a new image.
#pragma once

#include <cstdint>

#include "bridge/Field.h"
#include "bridge/ManagedFrame.h"
#include "platform/PlatformTypes.h"

namespace zelmo {

// Draws the image of the CuxGraphicFile whose fields are `file` with its top-left corner at
// (x, y). The size is the low 16 bits of x2 - x1 and y2 - y1, without the + 1 of inclusive
// corners.
void drawGraphicFile(Storage file, int32_t layer, int32_t x, int32_t y);

// The createImage natives: asks the service for an image of the area (x, y)-(x + w - 1, y + h - 1)
// of `layer`, or of the whole layer when w or h is 0, with layer, x, y, w and h the call's
// primitive slots 0 to 4. The service writes its status into *status.
stImageHandle captureArea(const ManagedFrame& frame, int32_t* status);

// Copies a status into element 0 of the int array in reference slot k, read afresh after the
// service call; a null or empty array gets nothing.
void storeStatus(const ManagedFrame& frame, uint32_t k, int32_t status);

}  // namespace zelmo
