// What the number, float and date natives share: the separators from the canvas statics, the
// font of a CuxFont argument, and the one simple-text call that draws the result.
#pragma once

#include <optional>

#include "bridge/ManagedData.h"
#include "bridge/ManagedFrame.h"
#include "format/NumberFormat.h"
#include "geometry/IntMath.h"
#include "platform/DrawingService.h"
#include "records/CanvasRecord.h"
#include "records/Colour.h"
#include "records/FontRecord.h"

namespace zelmo::canvas {

// Read at every use: the managed side may change them between two drawings. Without the
// statics (no canvas class) the point and comma stand in.
inline format::Separators canvasSeparators() {
  const Storage statics = classStatics(CanvasStatics::kClassName);
  if (!statics) return {u'.', u','};
  return {CanvasStatics::decimalSeparator.read(statics),
          CanvasStatics::groupSeparator.read(statics)};
}

// The suffix String of reference slot k, copied into its own buffer; a null suffix is empty.
inline void copySuffix(const ManagedFrame& frame, uint32_t k,
                       std::span<UniChar, format::kNumberBufferSize> suffix) {
  copyString(fieldsOf(frame.refArg(k)), suffix);
}

inline void drawSimpleText(int32_t target, const SizedBox& box, uint32_t font, const UniChar* chars,
                           int32_t count, TEXTCOL colors, int32_t simpleOption1,
                           int32_t simpleOption2) {
  const POINTRECT rect = box.corners().rect();
  osGXsimpleText(target, &rect, font, chars, colors, simpleOption1, simpleOption2, count);
}

}  // namespace zelmo::canvas
